// The copy dialog (template 130) as Qt widgets over CopyModel.
#pragma once

#include <QDialog>
#include <optional>

#include "ui/copy_model.h"
#include "ui/qt/model_view.h"

namespace tolvo {

class CopyDialog : public QDialog {
    Q_OBJECT
  public:
    CopyDialog(CopyModel& model, QWidget* parent);

    QWidget* Control(int id) const { return view_->Control(id); }

  protected:
    void reject() override;  // Escape and the close box

  private:
    CopyModel& model_;
    std::optional<ModelView<CopyModel>> view_;
};

}  // namespace tolvo
