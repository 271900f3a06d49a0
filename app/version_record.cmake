# The version record's texts are those Tolvo.exe has always carried, byte for
# byte, although the window is no longer built with MFC. Read by the Qt
# program's and the Win32 program's builds alike.
set(TOLVO_FILE_DESCRIPTION "TOLVO MFC ｱﾌﾟﾘｹｰｼｮﾝ")
set(TOLVO_PRODUCT_NAME "TOLVO ｱﾌﾟﾘｹｰｼｮﾝ")
