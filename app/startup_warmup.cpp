#include "app/startup_warmup.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>
#include <system_error>

#if defined(TOLVO_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace tolvo {
namespace {

constexpr std::array<int, 3> kIconSides = {16, 32, 48};

// The icon's images are PNG, which Qt reads without a plugin. Told so and
// told not to guess, Qt loads no image-format plugin to ask whether it reads
// them: guessing loads all of them, and the SVG and JPEG libraries they bring
// (some 600 KiB of memory at start-up).
QImage ReadIconImage(int side) {
    QImageReader reader(QStringLiteral(":/icons/tolvo-%1.png").arg(side), QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : kIconSides) icon.addPixmap(QPixmap::fromImage(ReadIconImage(side)));
    return icon;
}

StartupWarmUp::StartupWarmUp() {
    try {
        thread_ = std::thread([this, ready = ready_.get_future()]() mutable { Run(std::move(ready)); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads its fonts itself and Icon() reads the images.
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
    // Images, unlike pixmaps, may be read in any thread.
    for (std::size_t i = 0; i < kIconSides.size(); ++i) images_[i] = ReadIconImage(kIconSides[i]);
}

void StartupWarmUp::ApplicationReady() {
    if (told_) return;
    told_ = true;
    ready_.set_value(true);
}

QIcon StartupWarmUp::Icon() {
    if (!thread_.joinable()) return ProgramIcon();
    ApplicationReady();
    thread_.join();
    QIcon icon;
    for (const QImage& image : images_) {
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace tolvo
