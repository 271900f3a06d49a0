#include "app/startup_warmup.h"

#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <system_error>

#include "app/icon_pixels.h"

#if defined(TOLVO_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace tolvo {

// The images are the PNGs' pixels, put into the program by the build: nothing
// to decode, so start-up neither reads PNG (libpng and zlib, some 300 KiB of
// memory when the window appears) nor loads an image-format plugin to ask
// whether it reads it.
QIcon ProgramIcon() {
    QIcon icon;
    for (const IconPixels& image : kIconPixels) {
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.argb.data()), image.side,
                                      image.side, image.side * 4, QImage::Format_ARGB32)));
    }
    return icon;
}

StartupWarmUp::StartupWarmUp() {
    try {
        thread_ = std::thread([this, ready = ready_.get_future()]() mutable { Run(std::move(ready)); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads its fonts itself.
    }
}

StartupWarmUp::~StartupWarmUp() {
    if (!told_) ready_.set_value(false);  // no application: nothing more to read
    if (thread_.joinable()) thread_.join();
}

void StartupWarmUp::Run(std::future<bool> ready) {
#if defined(TOLVO_HAVE_FONTCONFIG)
    // fontconfig initialises its one current configuration safely across
    // threads; Qt's font database then finds it loaded.
    FcInit();
#endif
    if (!ready.get()) return;
    // Every function of QFontDatabase is thread-safe; the first one fills it.
    (void)QFontDatabase::families();
}

void StartupWarmUp::ApplicationReady() {
    if (told_) return;
    told_ = true;
    ready_.set_value(true);
}

}  // namespace tolvo
