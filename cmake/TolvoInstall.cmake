# Install rules shared by the folders that install something (app/, packaging/,
# tools/fit/): Debian wants man pages and changelogs compressed with gzip -9n.
include(GNUInstallDirs)

# Everything the install rules take, without the tests: `cmake --build --target
# installable` (tools/run.sh) leaves a tree that `cmake --install` can install.
if(NOT TARGET installable)
  add_custom_target(installable)
endif()

# Installs SOURCE compressed as DESTINATION/NAME; built with the default target.
function(tolvo_install_compressed source destination name)
  find_program(TOLVO_GZIP gzip REQUIRED)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${compressed}
                     COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${TOLVO_GZIP} ${source} ${compressed}
                     DEPENDS ${source} VERBATIM)
  string(MAKE_C_IDENTIFIER "compress_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${compressed})
  add_dependencies(installable ${target})
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()

# Installs the man page PAGE (a file NAME.SECTION beside the calling
# CMakeLists.txt) into share/man/manSECTION.
function(tolvo_install_man_page page)
  get_filename_component(name ${page} NAME)
  string(REGEX MATCH "[1-9]$" section ${name})
  tolvo_install_compressed(${CMAKE_CURRENT_SOURCE_DIR}/${page} ${CMAKE_INSTALL_MANDIR}/man${section} ${name}.gz)
endfunction()
