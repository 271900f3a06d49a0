// What the view tests share: the calculator window shown and active, and an
// answerer of the modal dialogs it opens while a test waits in a nested loop.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string_view>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/help_search.h"
#include "ui/qt/main_window.h"

namespace tolvo {

// A text of the program (UTF-8) as Qt holds it.
inline QString U(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

class ModalAnswerer {
  public:
    explicit ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal != watchedWindow && modal->isVisible() && modal != lastAnswered_) {
                lastAnswered_ = modal;
                ++count;
                answer_(modal);
                lastAnswered_ = nullptr;
            }
        });
        timer_.start(10);
    }
    int count = 0;
    QWidget* watchedWindow = nullptr;

  private:
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    QWidget* lastAnswered_ = nullptr;
};

inline void AcceptMessageBox(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) box->button(QMessageBox::Ok)->click();
}

// The calculator window, shown and active as after start-up; help must outlive it.
inline std::unique_ptr<MainWindow> ShowMainWindow(const HelpSearch& help) {
    auto window = std::make_unique<MainWindow>(help);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

}  // namespace tolvo
