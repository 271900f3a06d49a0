// Answers the modal dialogs of a view test as a user would, while the test
// waits in a nested loop.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tolvo {

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

}  // namespace tolvo
