// The non-modal dialogs beside the main window that work on its pair, the
// joint's "圧入計算" and the operating conditions' "使用条件": a Qt dialog over
// its model, which it owns, with the template's widgets, mirrored after every
// gesture and after every change of the main window.
#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <functional>
#include <memory>
#include <optional>

#include "ui/press_fit_model.h"
#include "ui/qt/model_view.h"
#include "ui/service_model.h"

namespace tolvo {

template <typename DialogModel>
class CompanionDialog : public QDialog {
  public:
    // afterMirror runs after each mirroring (the zone diagram follows the
    // operating conditions, for instance).
    CompanionDialog(MainModel& main, QWidget* parent, std::function<void()> afterMirror = {})
        : QDialog(parent), model_(std::make_unique<DialogModel>(main)) {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        setModal(false);
        view_.emplace(*this, DialogModel::Template(), DialogResult);
        view_->Attach(*model_, std::move(afterMirror));
    }

    QWidget* Control(int id) const { return view_->Control(id); }
    const DialogModel& Model() const { return *model_; }
    // The main window has changed: the model follows it, the widgets the model.
    void Follow() {
        model_->Refresh();
        view_->Mirror();
    }

  protected:
    void reject() override {  // Escape and the close box
        if (model_->Closed()) return QDialog::reject();
        view_->Forward([&] { model_->OnEscape(); });
    }
    void keyPressEvent(QKeyEvent* event) override {
        // Every keystroke computes at once: Enter presses no button.
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            return;
        }
        QDialog::keyPressEvent(event);
    }

  private:
    static std::optional<int> DialogResult(const DialogModel& model) {
        if (model.Closed()) return QDialog::Rejected;
        return std::nullopt;
    }

    std::unique_ptr<DialogModel> model_;
    std::optional<ModelView<DialogModel>> view_;
};

using PressFitDialog = CompanionDialog<PressFitModel>;
using ServiceDialog = CompanionDialog<ServiceModel>;

}  // namespace tolvo
