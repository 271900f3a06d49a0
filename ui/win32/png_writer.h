// A picture in memory as a PNG file's bytes, encoded by the Windows Imaging
// Component.
#pragma once

#include <optional>
#include <string>

#include "ui/win32/gdi_canvas.h"

namespace tolvo::win32 {

// Opaque, 24 bits a pixel; none when WIC cannot encode it.
std::optional<std::string> EncodePng(const DibPicture& picture);

// COM for the calling thread while it lives, unless the thread has it already.
class ComScope {
  public:
    ComScope();
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool started_ = false;
};

}  // namespace tolvo::win32
