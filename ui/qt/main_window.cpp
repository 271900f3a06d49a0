#include "ui/qt/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "ui/qt/about_dialog.h"
#include "ui/qt/copy_dialog.h"
#include "ui/qt/fonts.h"
#include "ui/qt/sheet_output.h"
#include "ui/sheet_source.h"
#include "ui/view_rules.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tolvo {

namespace {

std::optional<int> WindowResult(const MainModel& model) {
    if (const auto ended = model.Ended())
        return *ended == EndResult::Ok ? QDialog::Accepted : QDialog::Rejected;
    return std::nullopt;
}

// The marks of one row of a whole-range scale, every other mark of it: the
// face is the largest of 7 down to 5 points at which neighbours in a row stay
// apart by at least a digit's width, so that "EF" and "FG" never read as one.
constexpr int kLargestMarkPoints = 7;
constexpr int kSmallestMarkPoints = 5;

// The shortcuts are written in Qt's portable form ("Ctrl+Shift+V"): read as
// such, they need no translated key names, so making the window does not read
// Qt's catalogue.
QKeySequence Shortcut(std::string_view keys) {
    return QKeySequence(ToQString(keys), QKeySequence::PortableText);
}

QFont MarkFont(const QFont& dialogFont, const QList<QLabel*>& marks) {
    QFont font = dialogFont;
    for (int points = kLargestMarkPoints; points >= kSmallestMarkPoints; --points) {
        font.setPointSize(points);
        const QFontMetrics metrics(font);
        bool apart = true;
        for (qsizetype i = 0; i + 2 < marks.size(); ++i) {
            const int distance = marks[i + 2]->geometry().center().x() - marks[i]->geometry().center().x();
            const int halves = (metrics.horizontalAdvance(marks[i]->text()) +
                                metrics.horizontalAdvance(marks[i + 2]->text())) /
                               2;
            if (halves + metrics.horizontalAdvance(QLatin1Char('0')) > distance) apart = false;
        }
        if (apart) break;
    }
    return font;
}

}  // namespace

const QString MainWindow::kSettingsName = QStringLiteral("Tolvo");
const QString MainWindow::kFullRangeKey = QStringLiteral("fullRange");
const QString MainWindow::kZoneDiagramKey = QStringLiteral("zoneDiagram");
const QString MainWindow::kCalloutStyleKey = QStringLiteral("calloutStyle");
const QString MainWindow::kDiameterSignKey = QStringLiteral("diameterSign");
namespace {
// Where the windows of their own were last, each as the user left it.
const QString kFinderPositionKey = QStringLiteral("finderPosition");
const QString kZoneDiagramPositionKey = QStringLiteral("zoneDiagramPosition");
const QString kPressFitPositionKey = QStringLiteral("pressFitPosition");
const QString kServicePositionKey = QStringLiteral("servicePosition");
}  // namespace

MainWindow::MainWindow(const HelpSearch& help, QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    view_.emplace(*this, kMainDialog, WindowResult, main_dialog::IsWholeRangeControl);
    if (auto* label = qobject_cast<QLabel*>(Control(main_dialog::kFitKindLabel))) {
        label->setFont(FitKindFont());
        label->setAutoFillBackground(true);
    }
    DialogHost& host = *this;
    model_ = std::make_unique<MainModel>(host, help);
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, [this] { Forward([&] { model_->OnHelp(); }); });
    // Enter anywhere in the window re-evaluates and goes no further: watched on
    // the window and on each control that can take the focus (the controls the
    // whole range adds later are labels, which never have it).
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->window() == this && control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
    }
    // The whole-range option, as the user left it.
    if (settings_.Flag(kFullRangeKey)) {
        BuildWholeRangeControls();
        model_->SetFullRange(true);
    }
    if (settings_.Flag(kZoneDiagramKey)) model_->SetZoneDiagram(true);
    fullRangeAction_ = new QAction(ToQString(ja::kFullRangeMenuItemText), this);
    fullRangeAction_->setCheckable(true);
    fullRangeAction_->setChecked(model_->Range() == FitClassRange::Whole);
    fullRangeAction_->setShortcut(Shortcut(kFullRangeShortcut));
    fullRangeAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(fullRangeAction_);  // the shortcut works with the menu closed
    connect(fullRangeAction_, &QAction::triggered, this, [this](bool on) { SetFullRange(on); });
    zoneDiagramAction_ = new QAction(ToQString(ja::kZoneDiagramMenuItemText), this);
    zoneDiagramAction_->setCheckable(true);
    zoneDiagramAction_->setChecked(model_->ZoneDiagramShown());
    zoneDiagramAction_->setShortcut(Shortcut(kZoneDiagramShortcut));
    zoneDiagramAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(zoneDiagramAction_);
    connect(zoneDiagramAction_, &QAction::triggered, this, [this](bool on) { SetZoneDiagram(on); });
    finderAction_ = new QAction(ToQString(ja::kFinderMenuItemText), this);
    finderAction_->setShortcut(Shortcut(kFinderShortcut));
    finderAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(finderAction_);
    connect(finderAction_, &QAction::triggered, this, [this] { OpenFinder(); });
    pasteCalloutAction_ = new QAction(ToQString(ja::kPasteCalloutMenuItemText), this);
    pasteCalloutAction_->setShortcut(Shortcut(kPasteCalloutShortcut));
    pasteCalloutAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(pasteCalloutAction_);
    connect(pasteCalloutAction_, &QAction::triggered, this, [this] { PasteCallout(); });
    printAction_ = new QAction(ToQString(ja::kPrintMenuItemText), this);
    printAction_->setShortcut(QKeySequence(ToQString(kPrintShortcut)));
    printAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(printAction_);
    connect(printAction_, &QAction::triggered, this, [this] { PrintSheet(); });
    savePdfAction_ = new QAction(ToQString(ja::kSavePdfMenuItemText), this);
    connect(savePdfAction_, &QAction::triggered, this, [this] { SaveSheetAsPdf(); });
    askSavePdfFile = [](QWidget* parent, const QString& proposed, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, QString(), proposed, filter);
    };
    BuildCalloutMenus();
    pressFitAction_ = new QAction(ToQString(ja::kPressFitTitle), this);
    pressFitAction_->setShortcut(Shortcut(kPressFitShortcut));
    pressFitAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(pressFitAction_);
    connect(pressFitAction_, &QAction::triggered, this, [this] { OpenPressFit(); });
    serviceAction_ = new QAction(ToQString(ja::kServiceTitle), this);
    serviceAction_->setShortcut(Shortcut(kServiceShortcut));
    serviceAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(serviceAction_);
    connect(serviceAction_, &QAction::triggered, this, [this] { OpenService(); });
    typingClock_.start();
    view_->Attach(*model_, [this] {
        MirrorFitKindLabel();
        MirrorRange();
        // The operating conditions' dialog mirrors the diagram as it follows,
        // with the zones at temperature.
        if (service_) {
            service_->Follow();
        } else {
            MirrorZoneDiagram();
        }
        // The non-modal finder follows the window (its fixed side, the measured check).
        if (finder_) finder_->Follow();
        if (pressFit_) pressFit_->Follow();  // the pair's interference
    });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
#if defined(_WIN32)
    // The About item goes into the window's system menu, as on Windows it always has.
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (menu != nullptr && !ja::kAboutMenuItemText.empty()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, MainModel::kAboutCommand,
                    reinterpret_cast<LPCWSTR>(ToQString(ja::kAboutMenuItemText).utf16()));
    }
#endif
}

MainWindow::~MainWindow() {
    // Hiding the window in QDialog's destructor moves the focus; this part of
    // the object is gone by then and must not hear of it.
    removeEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>()) control->removeEventFilter(this);
    if (zoneWindow_ != nullptr && zoneWindow_->isVisible())
        settings_.SetPosition(kZoneDiagramPositionKey, zoneWindow_->pos());
    if (finder_) settings_.SetPosition(kFinderPositionKey, finder_->pos());
    delete finder_;  // it works on the model, which goes before the window's children
    if (pressFit_) settings_.SetPosition(kPressFitPositionKey, pressFit_->pos());
    delete pressFit_;
    if (service_) settings_.SetPosition(kServicePositionKey, service_->pos());
    delete service_;
}

void MainWindow::SetFullRange(bool on) {
    if (on) BuildWholeRangeControls();
    Forward([&] { model_->SetFullRange(on); });
}

// The tolerance-zone diagram, a tool window of its own: the dialog itself
// stays as it is. A window that never shows it never makes it.
ZoneWindow& MainWindow::ZoneDiagram() {
    if (zoneWindow_ == nullptr) {
        zoneWindow_ = new ZoneWindow(this);
        zoneWindow_->closed = [this] {
            settings_.SetPosition(kZoneDiagramPositionKey, zoneWindow_->pos());
            SetZoneDiagram(false);
        };
    }
    return *zoneWindow_;
}

void MainWindow::SetZoneDiagram(bool on) {
    model_->SetZoneDiagram(on);
    view_->Mirror();
    settings_.SetFlag(kZoneDiagramKey, model_->ZoneDiagramShown());
}

// The diagram follows every model action, while the main window is on screen.
void MainWindow::MirrorZoneDiagram() {
    const bool shown = model_->ZoneDiagramShown() && isVisible();
    if (zoneDiagramAction_ != nullptr) zoneDiagramAction_->setChecked(model_->ZoneDiagramShown());
    if (shown) {
        ZoneDiagram().SetInput(model_->ZoneInput());
        if (!zoneWindow_->isVisible()) {
            if (!zoneWindowPlaced_)
                zoneWindow_->PlaceBeside(*this, settings_.Position(kZoneDiagramPositionKey));
            zoneWindowPlaced_ = true;
            zoneWindow_->show();
        }
    } else if (zoneWindow_ != nullptr && zoneWindow_->isVisible() && !model_->ZoneDiagramShown()) {
        settings_.SetPosition(kZoneDiagramPositionKey, zoneWindow_->pos());
        zoneWindow_->hide();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    MirrorZoneDiagram();
}

void MainWindow::OpenFinder() {
    if (finder_) {
        finder_->raise();
        finder_->activateWindow();
        return;
    }
    finder_ = new FinderDialog(*model_, this, [this] { view_->Mirror(); });
    connect(finder_, &QDialog::finished, this,
            [this] { settings_.SetPosition(kFinderPositionKey, finder_->pos()); });
    connect(finder_, &QDialog::finished, finder_, &QObject::deleteLater);
    PlaceBesideCalculator(*finder_, *this, settings_.Position(kFinderPositionKey));
    finder_->show();
}

void MainWindow::OpenPressFit() {
    if (pressFit_) {
        pressFit_->raise();
        pressFit_->activateWindow();
        return;
    }
    pressFit_ = new PressFitDialog(*model_, this);
    connect(pressFit_, &QDialog::finished, this,
            [this] { settings_.SetPosition(kPressFitPositionKey, pressFit_->pos()); });
    connect(pressFit_, &QDialog::finished, pressFit_, &QObject::deleteLater);
    PlaceBesideCalculator(*pressFit_, *this, settings_.Position(kPressFitPositionKey));
    pressFit_->show();
}

void MainWindow::OpenService() {
    if (service_) {
        service_->raise();
        service_->activateWindow();
        return;
    }
    // While it is open the diagram draws the zones at temperature, so it follows every change here.
    service_ = new ServiceDialog(*model_, this, [this] { MirrorZoneDiagram(); });
    connect(service_, &QDialog::finished, this, [this] {
        settings_.SetPosition(kServicePositionKey, service_->pos());
        MirrorZoneDiagram();
    });
    connect(service_, &QDialog::finished, service_, &QObject::deleteLater);
    PlaceBesideCalculator(*service_, *this, settings_.Position(kServicePositionKey));
    service_->show();
}

CalculationSheet MainWindow::Sheet() const {
    std::vector<SheetSection> further = CompanionSheetSections(service_ ? &service_->Model() : nullptr,
                                                               pressFit_ ? &pressFit_->Model() : nullptr);
    return BuildCalculationSheet(
        SheetSourceOf(*model_, QDate::currentDate().toString(Qt::ISODate).toStdString(), std::move(further)));
}

void MainWindow::PrintSheet() {
    const PrintOutcome outcome = tolvo::PrintSheet(this, Sheet(), ToQString(ja::kSheetTitle));
    if (outcome == PrintOutcome::Unavailable || outcome == PrintOutcome::Failed) {
        QMessageBox::warning(
            this, ToQString(ja::kMessageCaption),
            ToQString(outcome == PrintOutcome::Failed ? ja::kPrintFailedText : ja::kPrintUnavailableText));
    }
}

bool MainWindow::SaveSheetAsPdf() {
    const std::string proposed = ProposedZoneFileName(model_->ZoneInput(), "pdf");
    const QString path =
        askSavePdfFile(this, QDir::home().filePath(ToQString(proposed)), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return false;
    FileWriteProblem problem = FileWriteProblem::None;
    if (SaveSheetPdf(Sheet(), ToQString(ja::kSheetTitle), path, &problem)) return true;
    QMessageBox::warning(this, ToQString(ja::kMessageCaption),
                         ToQString(ja::kZoneSaveFailedText) + QStringLiteral("\n") + path +
                             QStringLiteral("\n") + ToQString(WhyNotSaved(problem)));
    return false;
}
// ---- the callout as a drawing writes it ----

void MainWindow::BuildCalloutMenus() {
    CalloutOptions options;
    const auto remembered = [this](const QString& key) {
        return settings_.Word(key).value_or(QString()).toStdString();
    };
    options.style = FindCalloutStyle(remembered(kCalloutStyleKey)).value_or(options.style);
    options.sign = FindDiameterSign(remembered(kDiameterSignKey)).value_or(options.sign);
    model_->SetCalloutOptions(options);
    copyCalloutAction_ = new QAction(ToQString(ja::kCopyCalloutMenuItemText), this);
    copyCalloutAction_->setShortcut(QKeySequence(ToQString(kCopyCalloutShortcut)));
    copyCalloutAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(copyCalloutAction_);
    connect(copyCalloutAction_, &QAction::triggered, this,
            [this] { Forward([&] { model_->OnCopyCallout(); }); });
    // One checkable item per choice, in one exclusive group per submenu.
    const auto choices = [this](std::string_view title, std::span<const std::string_view> texts, int checked,
                                auto choose) {
        auto* menu = new QMenu(ToQString(title), this);
        auto* group = new QActionGroup(menu);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            QAction* item = menu->addAction(ToQString(texts[i]));
            item->setCheckable(true);
            item->setChecked(static_cast<int>(i) == checked);
            group->addAction(item);
            connect(item, &QAction::triggered, this, [choose, i] { choose(i); });
        }
        return menu;
    };
    calloutStyleMenu_ = choices(ja::kCalloutStyleMenuText, ja::kCalloutStyleTexts,
                                static_cast<int>(options.style), [this](std::size_t i) {
                                    CalloutOptions next = model_->CalloutChoice();
                                    next.style = CalloutStyles()[i];
                                    SetCalloutOptions(next);
                                });
    diameterSignMenu_ = choices(ja::kDiameterSignMenuText, ja::kDiameterSignTexts,
                                static_cast<int>(options.sign), [this](std::size_t i) {
                                    CalloutOptions next = model_->CalloutChoice();
                                    next.sign = DiameterSigns()[i];
                                    SetCalloutOptions(next);
                                });
}

void MainWindow::SetCalloutOptions(const CalloutOptions& options) {
    model_->SetCalloutOptions(options);
    settings_.SetWord(kCalloutStyleKey, ToQString(CalloutStyleName(options.style)));
    settings_.SetWord(kDiameterSignKey, ToQString(DiameterSignName(options.sign)));
}

// ---- end of the callout ----

void MainWindow::PasteCallout() {
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    Forward([&] { model_->OnPasteCallout(text); });
}

std::optional<int> MainWindow::ClassControlId(const QObject* widget) const {
    for (const FeaturePanel* p : {&main_dialog::kHolePanel, &main_dialog::kShaftPanel}) {
        for (int id : {p->letterSlider, p->gradeSlider, p->classScroll}) {
            if (Control(id) == widget) return id;
        }
    }
    return std::nullopt;
}

void MainWindow::BuildWholeRangeControls() {
    if (Control(main_dialog::kHoleClassText) != nullptr) return;
    view_->BuildDeferred();
    for (const FeaturePanel* p : {&main_dialog::kHolePanel, &main_dialog::kShaftPanel}) {
        const auto layOut = [this](const auto& ids) {
            // The marks' texts are the model's from its start; the face is chosen by them.
            QList<QLabel*> marks;
            for (int id : ids) {
                marks.append(qobject_cast<QLabel*>(Control(id)));
                marks.back()->setText(ToQString(model_->Controls().At(id).text));
            }
            const QFont font = MarkFont(this->font(), marks);
            const QFontMetrics metrics(font);
            for (QLabel* mark : marks) {
                const QRect old = mark->geometry();
                const int width = std::max(old.width(), metrics.horizontalAdvance(mark->text()) + 2);
                mark->setFont(font);
                mark->setGeometry(old.center().x() - width / 2, old.top(), width, metrics.height());
            }
        };
        layOut(p->wholeLetterMarks);
        layOut(p->wholeGradeMarks);
    }
}

void MainWindow::MirrorRange() {
    const FitClassRange range = model_->Range();
    if (range == shownRange_) return;
    shownRange_ = range;
    const bool whole = range == FitClassRange::Whole;
    // However the range changed (the menu item, a pasted callout, a pair the
    // finder chose), its controls are there and the choice is kept.
    settings_.SetFlag(kFullRangeKey, whole);
    if (whole && Control(main_dialog::kHoleClassText) == nullptr) {
        BuildWholeRangeControls();
        view_->Mirror();  // the new controls get the model's states
    }
    // The whole range's controls are there once it was first on.
    ForEachRangeControl(range, [this](int id, bool shown) {
        if (QWidget* control = Control(id)) control->setVisible(shown);
    });
    if (fullRangeAction_ != nullptr) fullRangeAction_->setChecked(whole);
}

void MainWindow::MirrorFitKindLabel() {
    const std::string& kind = model_->Controls().At(main_dialog::kFitKindLabel).text;
    if (kind == shownFitKind_) return;
    shownFitKind_ = kind;
    QWidget* label = Control(main_dialog::kFitKindLabel);
    QPalette palette = this->palette();
    if (const auto colors = model_->FitKindLabelColors()) {
        palette.setColor(QPalette::Window,
                         QColor(colors->background.red, colors->background.green, colors->background.blue));
        palette.setColor(QPalette::WindowText,
                         QColor(colors->text.red, colors->text.green, colors->text.blue));
    }
    label->setPalette(palette);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget != nullptr &&
            widget->window() == this) {
            Forward([&] { model_->OnEnter(); });
            return true;
        }
        // Characters typed on a class control select a class, as in a list box.
        const QString text = key->text();
        const auto id = ClassControlId(watched);
        if (id && !text.trimmed().isEmpty() && text.front().isPrint() &&
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0) {
            const std::string typed = text.toStdString();
            Forward([&] { model_->OnClassChars(*id, typed, typingClock_.elapsed()); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MainWindow::reject() {
    if (model_->Ended()) return QDialog::reject();
    Forward([&] { model_->OnEscape(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!model_->Ended()) Forward([&] { model_->OnSystemCommand(MainModel::kCloseCommand); });
    event->accept();
    QDialog::closeEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
#if defined(_WIN32)
    // The About item is in the system menu there; the range item is here on every platform.
    if (view_->IsControl(childAt(event->pos()))) return QDialog::contextMenuEvent(event);
    QMenu menu(this);
    menu.addAction(fullRangeAction_);
    menu.addAction(finderAction_);
    menu.addAction(serviceAction_);
    menu.addAction(pressFitAction_);
    menu.addAction(pasteCalloutAction_);
    menu.addAction(copyCalloutAction_);
    menu.addMenu(calloutStyleMenu_);
    menu.addMenu(diameterSignMenu_);
    menu.addAction(zoneDiagramAction_);
    menu.addAction(printAction_);
    menu.addAction(savePdfAction_);
    menu.exec(event->globalPos());
#else
    // Desktops without a system menu of the application's own get the About
    // item from the window's background.
    if (view_->IsControl(childAt(event->pos()))) return;
    QMenu menu(this);
    QAction* about = menu.addAction(ToQString(ja::kAboutMenuItemText));
    menu.addAction(fullRangeAction_);
    menu.addAction(finderAction_);
    menu.addAction(serviceAction_);
    menu.addAction(pressFitAction_);
    menu.addAction(pasteCalloutAction_);
    menu.addAction(copyCalloutAction_);
    menu.addMenu(calloutStyleMenu_);
    menu.addMenu(diameterSignMenu_);
    menu.addAction(zoneDiagramAction_);
    menu.addAction(printAction_);
    menu.addAction(savePdfAction_);
    if (menu.exec(event->globalPos()) == about) {
        Forward([&] { model_->OnSystemCommand(MainModel::kAboutCommand); });
    }
#endif
}

#if defined(_WIN32)
bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == MainModel::kAboutCommand) {
        Forward([&] { model_->OnSystemCommand(static_cast<unsigned>(msg->wParam)); });
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

// ---- DialogHost ----

void MainWindow::ShowMessage(std::string_view caption, std::string_view text) {
    view_->Mirror();  // the computed texts are on screen before the warning appears
    QMessageBox box(QMessageBox::Warning, ToQString(caption), ToQString(text), QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::PlaceOnClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

bool MainWindow::OpenDocument(const std::filesystem::path& file) {
    return helpViewer_.Open(file);
}

void MainWindow::RunAboutBox() {
    AboutDialog about(this);
    about.exec();
}

bool MainWindow::RunCopyDialog(CopyModel& dialog) {
    CopyDialog view(dialog, this);
    view.exec();
    return dialog.Result().value_or(false);
}

}  // namespace tolvo
