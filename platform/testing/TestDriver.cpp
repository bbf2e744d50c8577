#include "TestDriver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <optional>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QMainWindow>
#include <QCursor>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>

#include "AddressField.h"
#include "Controls.h"
#include "DialogImpl.h"
#include "MessageBoxes.h"
#include "PaneImpls.h"
#include "PropertyGridImpl.h"
#include "QtText.h"
#include "TreeWidget.h"
#include "WndImpl.h"

namespace tamo::platform {

namespace {

// Answers a file dialog or folder dialog with the next queued answer, if there is one, and records
// the call (with the answer it got).
template <class Call, class Answer>
bool AnswerFromQueue(std::deque<Answer>& answers, std::vector<Call>& calls, Call& call) {
    const bool answered = !answers.empty();
    if (answered) {
        call.answer = answers.front();
        answers.pop_front();
    }
    calls.push_back(call);
    return answered;
}

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& point, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // The cursor goes where the user clicks: handlers ask GetCursorPos where that was.
    QCursor::setPos(widget->mapToGlobal(point));
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

void MouseClick(QWidget* widget, const QPoint& point, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QPointer<QWidget> guard(widget);
    SendMouse(widget, QEvent::MouseButtonPress, point, button, modifiers);
    if (guard) SendMouse(widget, QEvent::MouseButtonRelease, point, button, modifiers);
}

void MouseDoubleClick(QWidget* widget, const QPoint& point) {
    QPointer<QWidget> guard(widget);
    MouseClick(widget, point);
    if (guard) SendMouse(widget, QEvent::MouseButtonDblClick, point, Qt::LeftButton);
    if (guard) SendMouse(widget, QEvent::MouseButtonRelease, point, Qt::LeftButton);
}

// The widget at a point of a window's client area (masks count) and the point in its coordinates.
std::pair<QWidget*, QPoint> WidgetAt(CWnd& window, CPoint clientPoint) {
    QWidget* client = ClientOf(&window);
    if (!client) return {nullptr, QPoint()};
    const QPoint point = ToQPoint(clientPoint);
    QWidget* target = client->childAt(point);
    if (!target) target = client;
    return {target, target->mapFrom(client, point)};
}

void SendKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TreeImpl* TreeOf(CTreeCtrl& tree) { return ImplAs<TreeImpl>(&tree); }

// The view's item of a tree item, made when the view does not show its level yet.
QTreeWidgetItem* TreeItem(CTreeCtrl& tree, HTREEITEM handle) {
    TreeImpl* impl = TreeOf(tree);
    TreeNode* node = impl ? impl->Node(handle) : nullptr;
    return node ? impl->Show(node) : nullptr;
}

// The item of a tree that a test acts on; a handle that names none fails the test.
QTreeWidgetItem* ExistingTreeItem(CTreeCtrl& tree, HTREEITEM handle) {
    QTreeWidgetItem* item = TreeItem(tree, handle);
    if (!item) ADD_FAILURE() << "no such tree item";
    return item;
}

// Where a user clicks an item's label: just inside its left edge, halfway down.
QPoint TreeLabelPoint(CTreeCtrl& tree, HTREEITEM handle) {
    CRect label;
    tree.GetItemRect(handle, &label, TRUE);
    return QPoint(label.left + 2, label.CenterPoint().y);
}

// A key goes to the focused widget when that lies inside the window, else to the window itself.
void PressKeyIn(CWnd& window, int key) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* outer = OuterOf(&window);
    SendKey(focus && outer && outer->isAncestorOf(focus) ? focus : outer, key);
}

// The offscreen platform's notes about what it cannot do (raise windows, size hints) are no news in tests.
// Qt's other warnings are kept for the tests that want none.
QtMessageHandler g_standardMessages = nullptr;
std::vector<CString> g_qtWarnings;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.startsWith(QStringLiteral("This plugin does not support")) ||
                                 message.contains(QStringLiteral("XDG_RUNTIME_DIR"))))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg) g_qtWarnings.push_back(FromQ(message));
    if (g_standardMessages) g_standardMessages(type, context, message);
}

}  // namespace

TestDriver::TestDriver() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!g_standardMessages) g_standardMessages = qInstallMessageHandler(QuietOffscreenNotes);
    g_qtWarnings.clear();
    EnsureApplication();
    m_previous = GetModalHooks();
    SetModalHooks(this);
}

TestDriver::~TestDriver() {
    SetModalHooks(m_previous);
    for (const auto& [id, scripts] : m_dialogScripts)
        if (!scripts.empty()) ADD_FAILURE() << "the script for dialog " << id << " was never used";
    if (!m_boxAnswers.empty()) ADD_FAILURE() << m_boxAnswers.size() << " message box answer(s) never used";
    if (!m_fileAnswers.empty()) ADD_FAILURE() << m_fileAnswers.size() << " file dialog answer(s) never used";
    if (!m_folderAnswers.empty()) ADD_FAILURE() << m_folderAnswers.size() << " folder answer(s) never used";
    if (!m_popupScripts.empty()) ADD_FAILURE() << m_popupScripts.size() << " popup menu answer(s) never used";
    PumpPostedMessages();
}

void TestDriver::OnDialog(UINT templateId, DialogScript script) {
    m_dialogScripts[templateId].push_back(std::move(script));
}

void TestDriver::WrongDialogClass(CDialog& dialog) {
    ADD_FAILURE() << "dialog " << dialog.GetTemplateId() << " is a " << dialog.GetRuntimeClass()->m_lpszClassName
                  << ", not the class its script expects";
}

void TestDriver::AnswerMessageBox(int answer) { m_boxAnswers.push_back(answer); }
void TestDriver::AnswerFileDialog(const CString& path) { m_fileAnswers.push_back(path); }
void TestDriver::AnswerFolderDialog(const CString& path) { m_folderAnswers.push_back(path); }
void TestDriver::AnswerPopupMenu(UINT command) {
    OnPopupMenu([command](PopupMenuCall& call) { call.answer = command; });
}

void TestDriver::OnPopupMenu(PopupMenuScript script) { m_popupScripts.push_back(std::move(script)); }

bool TestDriver::RunDialog(CDialog& dialog) {
    auto scripts = m_dialogScripts.find(dialog.GetTemplateId());
    if (scripts == m_dialogScripts.end() || scripts->second.empty()) return false;
    DialogScript script = std::move(scripts->second.front());
    scripts->second.pop_front();
    // Shown (offscreen) like a real dialog, so that it is laid out and takes the focus.
    if (QWidget* outer = OuterOf(&dialog)) {
        outer->show();
        QApplication::setActiveWindow(outer);
    }
    script(dialog);
    return true;
}

bool TestDriver::MessageBox(MessageBoxCall& call) {
    if (!m_boxAnswers.empty()) {
        call.answer = m_boxAnswers.front();
        m_boxAnswers.pop_front();
    } else if (m_defaultBoxAnswer) {
        call.answer = m_defaultBoxAnswer;
    } else {
        m_boxes.push_back(call);
        return false;
    }
    m_boxes.push_back(call);
    return true;
}

bool TestDriver::FileDialog(FileDialogCall& call) { return AnswerFromQueue(m_fileAnswers, m_fileDialogs, call); }

bool TestDriver::FolderDialog(FolderDialogCall& call) {
    return AnswerFromQueue(m_folderAnswers, m_folderDialogs, call);
}

bool TestDriver::PopupMenu(PopupMenuCall& call) {
    const bool answered = !m_popupScripts.empty();
    if (answered) {
        PopupMenuScript script = std::move(m_popupScripts.front());
        m_popupScripts.pop_front();
        script(call);
    }
    m_popups.push_back(call);
    return answered;
}

bool TestDriver::ShellOpen(ShellOpenCall& call) {
    call.opened = !m_shellOpensFail;
    m_shellOpens.push_back(call);
    return true;
}

bool TestDriver::StartProcess(ProcessCall& call) {
    if (m_runProcesses) {
        m_processes.push_back(call);
        return false;
    }
    call.exitCode = m_exitCode;
    m_processes.push_back(call);
    return true;
}

const std::vector<CString>& TestDriver::QtWarnings() { return g_qtWarnings; }

void TestDriver::Unanswered(const CString& what) { ADD_FAILURE() << what.GetString(); }

// What a user does
void TestDriver::Click(CWnd& parent, int buttonId) {
    CWnd* control = parent.GetDlgItem(buttonId);
    auto* button = ImplAs<ButtonImpl>(control);
    if (!button) {
        ADD_FAILURE() << "no button " << buttonId;
        return;
    }
    if (!control->IsWindowEnabled()) {
        ADD_FAILURE() << "button " << buttonId << " is disabled";
        return;
    }
    // A mouse click focuses the button first: the control that had the focus hears of losing it (EN_KILLFOCUS)
    // before BN_CLICKED, as on Windows.
    ShowTopLevel(*control);
    control->SetFocus();
    button->Click();
}

void TestDriver::Type(CWnd& parent, int controlId, LPCTSTR text) {
    CWnd* control = parent.GetDlgItem(controlId);
    const QString value = ToQ(text);
    if (auto* edit = ImplAs<EditImpl>(control)) {
        if (edit->line) {
            edit->line->selectAll();
            edit->line->insert(value);
        } else if (edit->multi) {
            QString plain = value;
            plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            edit->multi->setPlainText(plain);
        }
    } else if (auto* combo = ImplAs<ComboImpl>(control); combo && combo->combo->lineEdit()) {
        combo->combo->lineEdit()->selectAll();
        combo->combo->lineEdit()->insert(value);
    } else if (auto* address = ImplAs<IPAddressImpl>(control)) {
        const QStringList parts = value.split(u'.');
        for (int i = 0; i < 4; ++i) {
            const QString before = address->fields[i]->text();
            address->fields[i]->selectAll();
            address->fields[i]->insert(i < parts.size() ? parts[i] : QString());
            if (address->fields[i]->text() != before) address->FieldEdited(i, false);
        }
    } else {
        ADD_FAILURE() << "control " << controlId << " takes no typing";
    }
}

void TestDriver::ChooseComboItem(CWnd& parent, int comboId, int index) {
    auto* combo = ImplAs<ComboImpl>(parent.GetDlgItem(comboId));
    if (!combo || index < 0 || index >= combo->combo->count()) {
        ADD_FAILURE() << "combo box " << comboId << " has no item " << index;
        return;
    }
    combo->combo->setCurrentIndex(index);
    emit combo->combo->activated(index);
}

void TestDriver::ClickListRow(CListCtrl& list, int row, bool addToSelection) {
    auto* impl = ImplAs<ListCtrlImpl>(&list);
    QTreeWidgetItem* item = impl ? impl->Row(row) : nullptr;
    if (!item) {
        ADD_FAILURE() << "the list has no row " << row;
        return;
    }
    ShowTopLevel(list);
    impl->view->scrollToItem(item);
    const QRect rect = impl->view->visualItemRect(item);
    MouseClick(impl->view->viewport(), QPoint(rect.left() + 3, rect.center().y()), Qt::LeftButton,
               addToSelection ? Qt::ControlModifier : Qt::NoModifier);
}

void TestDriver::DoubleClickListBoxRow(CListBox& list, int row) {
    auto* impl = ImplAs<ListBoxImpl>(&list);
    QListWidgetItem* item = impl ? impl->list->item(row) : nullptr;
    if (!item) {
        ADD_FAILURE() << "the list box has no row " << row;
        return;
    }
    ShowTopLevel(list);
    const QRect rect = impl->list->visualItemRect(item);
    MouseDoubleClick(impl->list->viewport(), rect.center());
}

void TestDriver::ClickTreeItem(CTreeCtrl& tree, HTREEITEM handle) {
    QTreeWidgetItem* item = ExistingTreeItem(tree, handle);
    if (!item) return;
    ShowTopLevel(tree);
    QTreeWidget* view = TreeOf(tree)->tree;
    view->scrollToItem(item);
    MouseClick(view->viewport(), TreeLabelPoint(tree, handle));
}

void TestDriver::ClickTreeCheckBox(CTreeCtrl& tree, HTREEITEM handle) {
    QTreeWidgetItem* item = TreeItem(tree, handle);
    if (!item || !(tree.GetStyle() & TVS_CHECKBOXES)) {
        ADD_FAILURE() << "no check box on that tree item";
        return;
    }
    ShowTopLevel(tree);
    TreeWidget* view = TreeOf(tree)->tree;
    view->scrollToItem(item);
    const QModelIndex index = view->indexFromItem(item);
    const QStyleOptionViewItem option = view->OptionFor(index);
    const QRect box = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    MouseClick(view->viewport(), box.center());
}

void TestDriver::ClickTreeButton(CTreeCtrl& tree, HTREEITEM handle) {
    QTreeWidgetItem* item = ExistingTreeItem(tree, handle);
    if (!item) return;
    ShowTopLevel(tree);
    QTreeWidget* view = TreeOf(tree)->tree;
    view->scrollToItem(item);
    const QRect rect = view->visualItemRect(item);
    const QRect content = view->visualRect(view->indexFromItem(item));
    MouseClick(view->viewport(), QPoint(content.left() - view->indentation() / 2, rect.center().y()));
}

void TestDriver::HoverTreeItem(CTreeCtrl& tree, HTREEITEM handle) {
    if (!ExistingTreeItem(tree, handle)) return;
    QWidget* viewport = TreeOf(tree)->tree->viewport();
    const QPoint point = TreeLabelPoint(tree, handle);
    QCursor::setPos(viewport->mapToGlobal(point));
    QHelpEvent event(QEvent::ToolTip, point, viewport->mapToGlobal(point));
    QApplication::sendEvent(viewport, &event);
}

void TestDriver::DoubleClickTreeItem(CTreeCtrl& tree, HTREEITEM handle) {
    if (!ExistingTreeItem(tree, handle)) return;
    ShowTopLevel(tree);
    MouseDoubleClick(TreeOf(tree)->tree->viewport(), TreeLabelPoint(tree, handle));
}

void TestDriver::PressEnter(CWnd& window) { PressKeyIn(window, Qt::Key_Return); }

void TestDriver::PressEscape(CWnd& window) { PressKeyIn(window, Qt::Key_Escape); }

void TestDriver::PressCloseBox(CWnd& window) {
    if (QWidget* outer = OuterOf(&window)) outer->close();
}

void TestDriver::FocusControl(CWnd& control) {
    ShowTopLevel(control);
    control.SetFocus();
}

namespace {

// The widget that takes the keys typed into a window: the focused one when it lies inside the window, else
// the window gets the focus first.
QWidget* KeyTarget(CWnd& window) {
    QWidget* outer = OuterOf(&window);
    if (!outer) return nullptr;
    const auto inside = [outer](QWidget* widget) { return widget && (widget == outer || outer->isAncestorOf(widget)); };
    QWidget* focus = outer->window()->focusWidget();
    if (!inside(focus)) {
        TestDriver::FocusControl(window);
        focus = outer->window()->focusWidget();
    }
    return inside(focus) ? focus : outer;
}

void SendKeyPress(CWnd& window, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = KeyTarget(window);
    if (!target) return;
    QPointer<QWidget> guard(target);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    if (!guard) return;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

}  // namespace

void TestDriver::TypeKeys(CWnd& window, LPCTSTR keys) {
    for (const QChar ch : ToQ(keys)) {
        if (ch == u'\b')
            PressKey(window, Key::Backspace);
        else if (ch == u'\t')
            PressKey(window, Key::Tab);
        else if (ch >= u'0' && ch <= u'9')
            SendKeyPress(window, Qt::Key_0 + (ch.unicode() - u'0'), QString(ch));
        else if (ch >= u'a' && ch <= u'z')
            SendKeyPress(window, Qt::Key_A + (ch.unicode() - u'a'), QString(ch));
        else
            SendKeyPress(window, ch.toUpper().unicode(), QString(ch));
    }
}

void TestDriver::PressKey(CWnd& window, Key key) {
    switch (key) {
    case Key::Backspace: return SendKeyPress(window, Qt::Key_Backspace, QStringLiteral("\b"));
    case Key::Delete: return SendKeyPress(window, Qt::Key_Delete, QString(QChar(0x7f)));
    case Key::Left: return SendKeyPress(window, Qt::Key_Left, QString());
    case Key::Right: return SendKeyPress(window, Qt::Key_Right, QString());
    case Key::Home: return SendKeyPress(window, Qt::Key_Home, QString());
    case Key::End: return SendKeyPress(window, Qt::Key_End, QString());
    case Key::Tab: return SendKeyPress(window, Qt::Key_Tab, QStringLiteral("\t"));
    case Key::ShiftTab: return SendKeyPress(window, Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    }
}

void TestDriver::PasteText(CWnd& window, LPCTSTR text) {
    EnsureApplication();
    QGuiApplication::clipboard()->setText(ToQ(text));
    SendKeyPress(window, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
}

void TestDriver::ClickAt(CWnd& window, CPoint clientPoint) {
    const auto [target, point] = WidgetAt(window, clientPoint);
    if (target) MouseClick(target, point);
}

bool TestDriver::ClickPaneTab(CDockablePane& pane) {
    auto* impl = ImplAs<DockPaneImpl>(&pane);
    QMainWindow* window = impl ? MainWindowOf(impl->parent) : nullptr;
    if (!window) return false;
    for (QTabBar* tabs : window->findChildren<QTabBar*>(Qt::FindDirectChildrenOnly))
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isVisible() && tabs->tabData(i).value<quintptr>() == reinterpret_cast<quintptr>(impl->dock)) {
                MouseClick(tabs, tabs->tabRect(i).center());
                QCoreApplication::processEvents();
                return true;
            }
    return false;
}

namespace {

// A press at one point of a widget, moves in a few steps and a release at another, with the left button.
void MouseDrag(QWidget* widget, const QPoint& from, const QPoint& to) {
    QPointer<QWidget> guard(widget);
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps && guard; ++step) {
        SendMouse(widget, QEvent::MouseMove, from + (to - from) * step / kSteps, Qt::LeftButton);
        // Time passes between the moves of a hand: what a move starts (the frame's relayout) happens.
        QCoreApplication::processEvents();
    }
    if (guard) SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton);
    QCoreApplication::processEvents();
}

}  // namespace

namespace {

// The width a text needs in a widget's font, without its mnemonic marks.
int TextWidth(const QWidget* widget, const QString& text) {
    return widget->fontMetrics().horizontalAdvance(WithoutMnemonics(text));
}

// The room a control's text needs and has, or nothing when the control shows no text of its own.
struct TextRoom {
    QString text;
    int needed = 0;
    int available = 0;
};

std::optional<TextRoom> RoomOf(WndImpl* impl) {
    QWidget* widget = impl->outer;
    if (!widget || !widget->isVisibleTo(widget->window())) return std::nullopt;
    QStyle* style = widget->style();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) return std::nullopt;
        const int frame = label->frameWidth() * 2 + label->margin() * 2;
        if (label->wordWrap()) {
            // A wrapping label needs the lines its text wraps to, and room for its longest word.
            const int lines = label->heightForWidth(label->width()) - frame;
            int longestWord = 0;
            for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                longestWord = std::max(longestWord, label->fontMetrics().horizontalAdvance(word));
            if (longestWord + frame > label->width())
                return TextRoom{label->text(), longestWord + frame, label->width()};
            return TextRoom{label->text(), lines + frame, label->height()};
        }
        return TextRoom{label->text(), TextWidth(label, label->text()) + frame, label->width()};
    }
    if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) +
                              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
        return TextRoom{check->text(), indicator + TextWidth(check, check->text()), check->width()};
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                              style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
        return TextRoom{radio->text(), indicator + TextWidth(radio, radio->text()), radio->width()};
    }
    if (auto* push = qobject_cast<QPushButton*>(widget)) {
        if (push->text().isEmpty()) return std::nullopt;
        const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push) / 2 + 2);
        return TextRoom{push->text(), TextWidth(push, push->text()) + margins, push->width()};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (group->title().isEmpty()) return std::nullopt;
        return TextRoom{group->title(), TextWidth(group, group->title()) + 16, group->width()};
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QString longest;
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            if (const int width = combo->fontMetrics().horizontalAdvance(combo->itemText(i)); width > widest)
                widest = width, longest = combo->itemText(i);
        if (longest.isEmpty()) return std::nullopt;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QSize needed = style->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, 1), combo);
        return TextRoom{longest, needed.width(), combo->width()};
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QString longest;
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            if (const int width = list->fontMetrics().horizontalAdvance(list->item(i)->text()); width > widest)
                widest = width, longest = list->item(i)->text();
        if (longest.isEmpty()) return std::nullopt;
        return TextRoom{longest, widest + 6, list->viewport()->width()};
    }
    return std::nullopt;
}

}  // namespace

std::vector<CString> TestDriver::CutTexts(CWnd& window) {
    std::vector<CString> cut;
    WndImpl* impl = ImplOf(&window);
    if (!impl) return cut;
    ShowTopLevel(window);
    QCoreApplication::processEvents();
    for (WndImpl* child : impl->children) {
        const std::optional<TextRoom> room = RoomOf(child);
        if (!room || room->needed <= room->available) continue;
        cut.push_back(FromQ(QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                                .arg(child->id)
                                .arg(room->text)
                                .arg(room->available)
                                .arg(room->needed)));
    }
    return cut;
}

CSize TestDriver::LayOutMessageBox(const MessageBoxCall& call, LPCTSTR pngPath) {
    EnsureApplication();
    MessageBoxWidget shown = BuildMessageBox(call.owner, call.text, call.caption, call.type);
    shown.box->show();
    QCoreApplication::processEvents();
    if (pngPath) shown.box->grab().save(ToQ(pngPath), "PNG");
    const QSize size = shown.box->frameGeometry().size();
    shown.box->hide();
    return CSize(size.width(), size.height());
}

void TestDriver::DragInWindow(CWnd& window, CPoint from, CPoint to) {
    QWidget* outer = OuterOf(&window);
    if (!outer) return;
    ShowTopLevel(window);
    const QPoint start = ToQPoint(from);
    QWidget* target = outer->childAt(start);
    if (!target) target = outer;
    MouseDrag(target, target->mapFrom(outer, start), target->mapFrom(outer, ToQPoint(to)));
}

bool TestDriver::DragPaneSeparator(CDockablePane& pane, int distance) {
    auto* impl = ImplAs<DockPaneImpl>(&pane);
    QMainWindow* window = impl ? MainWindowOf(impl->parent) : nullptr;
    if (!window || !impl->dock || impl->dock->isFloating()) return false;
    ShowTopLevel(pane);
    const QRect dock = impl->dock->geometry();
    const int gap = std::max(window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, window), 1);
    QPoint at;
    QPoint away;
    switch (window->dockWidgetArea(impl->dock)) {
    case Qt::LeftDockWidgetArea: at = QPoint(dock.right() + 1 + gap / 2, dock.center().y()), away = {1, 0}; break;
    case Qt::RightDockWidgetArea: at = QPoint(dock.left() - 1 - gap / 2, dock.center().y()), away = {-1, 0}; break;
    case Qt::TopDockWidgetArea: at = QPoint(dock.center().x(), dock.bottom() + 1 + gap / 2), away = {0, 1}; break;
    case Qt::BottomDockWidgetArea: at = QPoint(dock.center().x(), dock.top() - 1 - gap / 2), away = {0, -1}; break;
    default: return false;
    }
    // The separators are the frame's own: no child covers them.
    if (window->childAt(at)) return false;
    MouseDrag(window, at, at + away * distance);
    return true;
}

void TestDriver::RightClickAt(CWnd& window, CPoint clientPoint) {
    const auto [target, point] = WidgetAt(window, clientPoint);
    if (!target) return;
    QPointer<QWidget> guard(target);
    MouseClick(target, point, Qt::RightButton);
    if (!guard) return;
    QContextMenuEvent menu(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
    QApplication::sendEvent(target, &menu);
}

void TestDriver::DoubleClickAt(CWnd& window, CPoint clientPoint) {
    const auto [target, point] = WidgetAt(window, clientPoint);
    if (target) MouseDoubleClick(target, point);
}

void TestDriver::ChooseProperty(CMFCPropertyGridCtrl& grid, CMFCPropertyGridProperty* property, LPCTSTR value) {
    auto* impl = ImplAs<PropertyGridImpl>(&grid);
    QTreeWidgetItem* item = impl && property ? impl->items.value(property, nullptr) : nullptr;
    if (!item || property->IsGroup()) {
        ADD_FAILURE() << "no property row of the grid to change";
        return;
    }
    // The user clicks the row's value, which opens its editor (F2 when the value was current already).
    ShowTopLevel(grid);
    QTreeWidget* view = impl->tree;
    view->scrollToItem(item);
    const QModelIndex cell = view->indexFromItem(item, 1);
    if (view->currentIndex() != cell) MouseClick(view->viewport(), view->visualRect(cell).center());
    if (!view->indexWidget(cell)) {
        view->setFocus();
        SendKey(view, Qt::Key_F2);
    }
    QWidget* editor = view->indexWidget(cell);
    const QString text = ToQ(value);
    auto* combo = qobject_cast<QComboBox*>(editor);
    const int option = combo ? combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    if (option >= 0) {
        combo->setCurrentIndex(option);
        emit combo->activated(option);
        return;
    }
    if (QLineEdit* line = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
        line->insert(text);
        SendKey(editor, Qt::Key_Return);
        // The grid takes a value typed and entered once the key has been handled.
        QCoreApplication::sendPostedEvents();
        return;
    }
    ADD_FAILURE() << "the row \"" << property->GetName() << "\" does not take \"" << value << "\"";
    if (editor) SendKey(editor, Qt::Key_Escape);
}

// Events and pictures
void TestDriver::PumpPostedMessages() {
    EnsureApplication();
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void TestDriver::UpdateCommandUI(CFrameWnd& frame) { frame.UpdateCommandUI(); }

void TestDriver::ShowTopLevel(CWnd& window) {
    QWidget* outer = OuterOf(&window);
    if (!outer) return;
    QWidget* top = outer->window();
    if (top->isVisible()) return;
    top->show();
    // Laid out and painted once; later paints happen only when asked for.
    QCoreApplication::processEvents();
}

bool TestDriver::SaveWindowPng(CWnd& window, const CString& path) {
    QWidget* outer = OuterOf(&window);
    if (!outer) return false;
    ShowTopLevel(window);
    QCoreApplication::processEvents();
    return outer->grab().save(ToQ(path), "PNG");
}

COLORREF TestDriver::PixelAt(CWnd& window, CPoint clientPoint) {
    QWidget* client = ClientOf(&window);
    if (!client) return 0xFFFFFFFF;
    ShowTopLevel(window);
    QCoreApplication::processEvents();
    const QImage image = client->grab().toImage();
    const QPoint point = ToQPoint(clientPoint);
    return image.rect().contains(point) ? FromQColor(image.pixelColor(point)) : 0xFFFFFFFF;
}

std::vector<COLORREF> TestDriver::PixelsIn(CWnd& window, const CRect& clientArea) {
    std::vector<COLORREF> pixels;
    QWidget* client = ClientOf(&window);
    if (!client || clientArea.IsRectEmpty()) return pixels;
    ShowTopLevel(window);
    QCoreApplication::processEvents();
    const QImage image = client->grab().toImage();
    pixels.reserve(static_cast<size_t>(clientArea.Width()) * static_cast<size_t>(clientArea.Height()));
    for (int y = clientArea.top; y < clientArea.bottom; ++y)
        for (int x = clientArea.left; x < clientArea.right; ++x)
            pixels.push_back(image.rect().contains(x, y) ? FromQColor(image.pixelColor(x, y)) : 0xFFFFFFFF);
    return pixels;
}

CString TestDriver::ArtifactPath(LPCTSTR name) {
    const QString folder = QDir::current().filePath(QStringLiteral("artifacts"));
    QDir().mkpath(folder);
    return FromQ(QDir(folder).filePath(ToQ(name)));
}

void TestDriver::RecordDrawing(CWnd& window) {
    if (WndImpl* impl = ImplOf(&window)) impl->drawingLog = std::make_shared<std::vector<CString>>();
}

std::vector<CString> TestDriver::DrawingLog(CWnd& window) {
    WndImpl* impl = ImplOf(&window);
    return impl && impl->drawingLog ? *impl->drawingLog : std::vector<CString>();
}

void TestDriver::Repaint(CWnd& window) {
    WndImpl* impl = ImplOf(&window);
    if (!impl || !impl->client) return;
    ShowTopLevel(window);
    impl->client->repaint();
}

std::vector<CString> TestDriver::MenuBarTitles(CWnd& frame) {
    std::vector<CString> titles;
    QWidget* outer = OuterOf(&frame);
    auto* bar = outer ? outer->findChild<QMenuBar*>() : nullptr;
    if (!bar) return titles;
    for (QAction* action : bar->actions()) titles.push_back(FromQ(action->text()));
    return titles;
}

namespace {

QMenu* MenuBarPopup(CWnd& frame, LPCTSTR title) {
    QWidget* outer = OuterOf(&frame);
    auto* bar = outer ? outer->findChild<QMenuBar*>() : nullptr;
    if (!bar) return nullptr;
    for (QAction* action : bar->actions())
        if (action->menu() && FromQ(action->text()) == title) return action->menu();
    return nullptr;
}

// Shows the menu's items as the user sees them after it opened: the update handlers run first.
void CollectShown(QMenu* menu, const QString& path, std::vector<std::pair<PopupMenuItem, QAction*>>& into) {
    emit menu->aboutToShow();
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QString text = path.isEmpty() ? action->text() : path + u'/' + action->text();
        if (action->menu()) {
            CollectShown(action->menu(), text, into);
            continue;
        }
        into.push_back(
            {{FromQ(text), action->data().toUInt(), action->isEnabled(), action->isChecked(), !action->icon().isNull()},
             action});
    }
}

// Opens the popup and finds the command item of the path; null when there is none.
QAction* ShownAction(QMenu* popup, LPCTSTR path) {
    std::vector<std::pair<PopupMenuItem, QAction*>> shown;
    CollectShown(popup, QString(), shown);
    for (const auto& [item, action] : shown)
        if (item.text == path) return action;
    return nullptr;
}

}  // namespace

std::vector<PopupMenuItem> TestDriver::OpenMenuBarPopup(CWnd& frame, LPCTSTR title) {
    std::vector<PopupMenuItem> items;
    QMenu* popup = MenuBarPopup(frame, title);
    if (!popup) {
        ADD_FAILURE() << "no menu bar popup " << title;
        return items;
    }
    std::vector<std::pair<PopupMenuItem, QAction*>> shown;
    CollectShown(popup, QString(), shown);
    for (const auto& [item, action] : shown) items.push_back(item);
    return items;
}

bool TestDriver::ChooseMenuBarItem(CWnd& frame, LPCTSTR title, LPCTSTR path) {
    QMenu* popup = MenuBarPopup(frame, title);
    QAction* action = popup ? ShownAction(popup, path) : nullptr;
    if (!action || !action->isEnabled()) return false;
    // As with a real menu, the popup closes before the command runs.
    emit popup->aboutToHide();
    action->trigger();
    return true;
}

bool TestDriver::HoverMenuBarItem(CWnd& frame, LPCTSTR title, LPCTSTR path) {
    QMenu* popup = MenuBarPopup(frame, title);
    QAction* action = popup ? ShownAction(popup, path) : nullptr;
    if (!action) return false;
    emit action->hovered();
    return true;
}

}  // namespace tamo::platform
