// What start-up reads besides the window, on a thread of its own, so that the
// window's path does not wait for it: fontconfig's configuration and caches
// while the toolkit connects to the display; then, once the application
// object exists, Qt's font database. On Debian with the CJK fonts that is
// some 8 ms of work, most of it beside the window's own.
#pragma once

#include <QIcon>
#include <future>
#include <thread>

namespace tolvo {

// The program's icon in the sizes it is drawn in (16, 32 and 48 pixels).
QIcon ProgramIcon();

class StartupWarmUp {
  public:
    StartupWarmUp();   // before the QApplication: starts reading the font configuration
    ~StartupWarmUp();  // waits
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Call once the QApplication exists: the font database comes next.
    void ApplicationReady();

  private:
    void Run(std::future<bool> ready);

    std::promise<bool> ready_;
    bool told_ = false;
    std::thread thread_;
};

}  // namespace tolvo
