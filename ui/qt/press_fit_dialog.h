// The joint's dialog "圧入計算" as a non-modal Qt dialog over PressFitModel,
// which it owns: the template's widgets, mirrored after every gesture and
// after every change of the main window.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "ui/press_fit_model.h"
#include "ui/qt/model_view.h"

namespace tolvo {

class PressFitDialog : public QDialog {
    Q_OBJECT
  public:
    PressFitDialog(MainModel& main, QWidget* parent);

    QWidget* Control(int id) const { return view_->Control(id); }
    const PressFitModel& Model() const { return *model_; }
    // The main window has changed: the model follows it, the widgets the model.
    void Follow();

  protected:
    void reject() override;  // Escape and the close box
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::unique_ptr<PressFitModel> model_;
    std::optional<ModelView<PressFitModel>> view_;
};

}  // namespace tolvo
