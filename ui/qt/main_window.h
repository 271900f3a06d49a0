// The calculator's window: template 102 as Qt widgets, a thin view over
// MainModel. Each user action is forwarded to the model once; afterwards (and
// before every message box) the widgets are made to mirror the model.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/calculation_sheet.h"
#include "ui/dialog_host.h"
#include "ui/help_search.h"
#include "ui/main_model.h"
#include "ui/qt/companion_dialog.h"
#include "ui/qt/finder_dialog.h"
#include "ui/qt/help_window.h"
#include "ui/qt/model_view.h"
#include "ui/qt/option_settings.h"
#include "ui/qt/zone_window.h"

class QAction;
class QMenu;

namespace tolvo {

class MainWindow : public QDialog, private DialogHost {
    Q_OBJECT
  public:
    // The help search must outlive the window.
    explicit MainWindow(const HelpSearch& help, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainModel& Model() const { return *model_; }
    QWidget* Control(int id) const { return view_->Control(id); }
    HelpViewer& Help() { return helpViewer_; }
    // The checkable item "ISO 286 全範囲" of the context menu, with its shortcut.
    QAction* FullRangeAction() const { return fullRangeAction_; }
    // The context-menu item "はめあい検索" (Ctrl+F), and the finder while it is open.
    QAction* FinderAction() const { return finderAction_; }
    FinderDialog* Finder() const { return finder_; }
    // The context-menu item "はめあい記号を貼り付け" (Ctrl+Shift+V): the clipboard's text as a fit callout.
    QAction* PasteCalloutAction() const { return pasteCalloutAction_; }
    // The context-menu item "はめあい記号をコピー" (Ctrl+Shift+C), and the
    // submenus of its style and diameter sign (checkable items in the order of
    // CalloutStyles() and DiameterSigns()).
    QAction* CopyCalloutAction() const { return copyCalloutAction_; }
    QMenu* CalloutStyleMenu() const { return calloutStyleMenu_; }
    QMenu* DiameterSignMenu() const { return diameterSignMenu_; }
    // The context-menu item "圧入計算" (Ctrl+J), and the joint's dialog while it is open.
    QAction* PressFitAction() const { return pressFitAction_; }
    PressFitDialog* PressFit() const { return pressFit_; }
    // The context-menu item "使用条件" (Ctrl+T), and the operating conditions' dialog while it is open.
    QAction* ServiceAction() const { return serviceAction_; }
    ServiceDialog* Service() const { return service_; }
    // The checkable item "公差域図" (Ctrl+D) and the diagram's window.
    QAction* ZoneDiagramAction() const { return zoneDiagramAction_; }
    // The diagram's window, made when it is first needed.
    ZoneWindow& ZoneDiagram();
    // The calculation sheet: "印刷…" (Ctrl+P) and "PDF に保存…". The file
    // dialog is asked through askSavePdfFile (proposed path in, chosen path
    // out, empty: cancelled), so that tests run without a real dialog.
    QAction* PrintAction() const { return printAction_; }
    QAction* SavePdfAction() const { return savePdfAction_; }
    CalculationSheet Sheet() const;
    void PrintSheet();
    bool SaveSheetAsPdf();
    std::function<QString(QWidget*, const QString& proposed, const QString& filter)> askSavePdfFile;

    // Where the window's choices are remembered (QSettings: organization and
    // application "Tolvo"), and the key of the whole-range option there.
    static const QString kSettingsName;
    static const QString kFullRangeKey;
    static const QString kZoneDiagramKey;
    // The callout's style and sign, each as its word ("class", "phi").
    static const QString kCalloutStyleKey;
    static const QString kDiameterSignKey;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;  // Escape
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
#if defined(_WIN32)
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

  private:
    // DialogHost
    void ShowMessage(std::string_view caption, std::string_view text) override;
    void PlaceOnClipboard(std::string_view text) override;
    bool OpenDocument(const std::filesystem::path& file) override;
    void RunAboutBox() override;
    bool RunCopyDialog(CopyModel& dialog) override;

    // Runs one user action on the model, then mirrors it and ends the window if it has ended.
    template <typename Action>
    void Forward(Action&& action) {
        view_->Forward(std::forward<Action>(action));
    }
    void MirrorFitKindLabel();
    // Shows the seed marks or the whole range's marks and class texts.
    void MirrorRange();
    void SetFullRange(bool on);
    // Builds the whole range's class texts and marks (once) and lays out the marks.
    void BuildWholeRangeControls();
    void OpenFinder();
    void PasteCallout();
    // The class control (letter or grade slider, general-class scroll bar) a widget is, if any.
    std::optional<int> ClassControlId(const QObject* widget) const;
    void SetZoneDiagram(bool on);
    void MirrorZoneDiagram();
    // The callout's item and submenus, with the style and sign as remembered.
    void BuildCalloutMenus();
    void SetCalloutOptions(const CalloutOptions& options);
    void OpenPressFit();
    void OpenService();

    // Declared after the model it mirrors, so that it is destroyed before it.
    std::unique_ptr<MainModel> model_;
    std::optional<ModelView<MainModel>> view_;
    std::optional<std::string> shownFitKind_;  // the text the label's colours were last set for
    std::optional<FitClassRange> shownRange_;
    QAction* fullRangeAction_ = nullptr;
    QAction* finderAction_ = nullptr;
    QPointer<FinderDialog> finder_;
    QAction* pasteCalloutAction_ = nullptr;
    QElapsedTimer typingClock_;  // when each character typed on a class control came
    QAction* zoneDiagramAction_ = nullptr;
    QAction* copyCalloutAction_ = nullptr;
    QMenu* calloutStyleMenu_ = nullptr;
    QMenu* diameterSignMenu_ = nullptr;
    ZoneWindow* zoneWindow_ = nullptr;  // none until the diagram is first shown
    QAction* printAction_ = nullptr;
    QAction* savePdfAction_ = nullptr;
    bool zoneWindowPlaced_ = false;
    QAction* pressFitAction_ = nullptr;
    QPointer<PressFitDialog> pressFit_;
    QAction* serviceAction_ = nullptr;
    QPointer<ServiceDialog> service_;
    HelpViewer helpViewer_{*this};
    OptionSettings settings_{kSettingsName, kSettingsName};
};

}  // namespace tolvo
