#pragma once

// The test driver of the window layer. While a TestDriver object lives:
// - a modal dialog runs its OnInitDialog and then the script registered for its template id, which sets
//   controls and presses buttons as a user would (the dialog's own handlers run, so OnOK may refuse and keep
//   it open); a dialog still open after its script, or one without a script, fails the test and is cancelled;
// - message boxes, file and folder dialogs and popup menus are answered from the queued answers and recorded;
//   one that nothing answers fails the test with its text instead of waiting for a person;
// - "open" through the shell is recorded instead of launched; started programs are recorded (or run, when
//   SetRunProcesses(true));
// - posted messages wait until PumpPostedMessages.
// Scripts and answers that were never used when the driver goes fail the test as well.

#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "ModalHooks.h"
#include "Platform.h"

namespace tamo::platform {

class TestDriver : public ModalHooks {
public:
    TestDriver();
    ~TestDriver() override;
    TestDriver(const TestDriver&) = delete;
    TestDriver& operator=(const TestDriver&) = delete;

    // Modal dialogs: one script per showing, used in the order given.
    using DialogScript = std::function<void(CDialog&)>;
    void OnDialog(UINT templateId, DialogScript script);
    template <typename Dialog>
    void OnDialogOf(UINT templateId, std::function<void(Dialog&)> script) {
        OnDialog(templateId, [script](CDialog& dialog) {
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            if (typed)
                script(*typed);
            else
                WrongDialogClass(dialog);
        });
    }

    // Message boxes: answers in order; the default answers a box that has none (0: a box without an answer
    // fails the test).
    void AnswerMessageBox(int answer);
    void SetDefaultMessageBoxAnswer(int answer) { m_defaultBoxAnswer = answer; }
    const std::vector<MessageBoxCall>& MessageBoxes() const { return m_boxes; }

    // File and folder dialogs: the path to choose; an empty path cancels.
    void AnswerFileDialog(const CString& path);
    void AnswerFolderDialog(const CString& path);
    const std::vector<FileDialogCall>& FileDialogs() const { return m_fileDialogs; }
    const std::vector<FolderDialogCall>& FolderDialogs() const { return m_folderDialogs; }

    // Popup menus: the command to choose; 0 dismisses the menu.
    void AnswerPopupMenu(UINT command);
    // Or a script that runs while the next popup menu is open: it may rest the mouse on items (call.hover) and
    // chooses by setting call.answer.
    using PopupMenuScript = std::function<void(PopupMenuCall&)>;
    void OnPopupMenu(PopupMenuScript script);
    const std::vector<PopupMenuCall>& PopupMenus() const { return m_popups; }

    // The shell and programs.
    const std::vector<ShellOpenCall>& ShellOpens() const { return m_shellOpens; }
    // Recorded opens answer that no program took the file, as a desktop without a program for its kind does.
    void SetShellOpensFail(bool fail) { m_shellOpensFail = fail; }
    void SetRunProcesses(bool run) { m_runProcesses = run; }
    void SetRecordedExitCode(int code) { m_exitCode = code; }
    const std::vector<ProcessCall>& Processes() const { return m_processes; }

    // What a user does. Each works on the real widgets, so the layer's own notifications follow.
    // Click focuses the button first, so the control that had the focus is told it lost it before BN_CLICKED.
    static void Click(CWnd& parent, int buttonId);
    static void Type(CWnd& parent, int controlId, LPCTSTR text);
    static void ChooseComboItem(CWnd& parent, int comboId, int index);
    static void ClickListRow(CListCtrl& list, int row, bool addToSelection = false);
    static void DoubleClickListBoxRow(CListBox& list, int row);
    static void ClickTreeItem(CTreeCtrl& tree, HTREEITEM item);
    static void ClickTreeCheckBox(CTreeCtrl& tree, HTREEITEM item);
    static void ClickTreeButton(CTreeCtrl& tree, HTREEITEM item);
    static void DoubleClickTreeItem(CTreeCtrl& tree, HTREEITEM item);
    // The mouse rests on an item's label (the tree's tooltip comes when the tree cuts the label).
    static void HoverTreeItem(CTreeCtrl& tree, HTREEITEM item);
    static void PressEnter(CWnd& window);
    static void PressEscape(CWnd& window);
    static void PressCloseBox(CWnd& window);
    static void FocusControl(CWnd& control);
    // Typing key by key: each character goes as a key press to the widget that has the focus in the window's
    // top-level window (the window is focused first when the focus is elsewhere), so the control's own key
    // handling runs. "\b" is Backspace, "\t" Tab.
    static void TypeKeys(CWnd& window, LPCTSTR keys);
    enum class Key { Backspace, Delete, Left, Right, Home, End, Tab, ShiftTab };
    static void PressKey(CWnd& window, Key key);
    // Puts the text on the clipboard and presses Ctrl+V, in the same way.
    static void PasteText(CWnd& window, LPCTSTR text);
    // A click at a point of the window's client area: it reaches whatever window is there (regions count).
    static void ClickAt(CWnd& window, CPoint clientPoint);
    // Clicks the tab of a pane tabbed with others (AttachToTabWnd); false when the pane shows no tab.
    static bool ClickPaneTab(CDockablePane& pane);
    // A press, a drag and a release at points of the window's outer rectangle (as GetWindowRect gives it,
    // relative to its top left corner), non-client parts included: title bars, borders, separators.
    static void DragInWindow(CWnd& window, CPoint from, CPoint to);
    // Drags the separator on the inner side of a docked pane (towards the frame's middle) by `distance`
    // pixels away from the pane (a positive distance makes the pane larger); false when the pane is not
    // docked or nothing but the frame lies where its separator should be.
    static bool DragPaneSeparator(CDockablePane& pane, int distance);
    static void RightClickAt(CWnd& window, CPoint clientPoint);
    static void DoubleClickAt(CWnd& window, CPoint clientPoint);
    // Clicks the row's value and picks the option `value` from its list, or types `value` and presses Enter
    // where the row takes typing: the grid's own notification follows.
    static void ChooseProperty(CMFCPropertyGridCtrl& grid, CMFCPropertyGridProperty* property, LPCTSTR value);

    // The texts that the window's child controls cut at their present size, one line each ("1160
    // "XmlDocument": 84 of 96 pixels"): labels, buttons, check boxes, radio buttons and group box titles that
    // do not fit (or, when they wrap, need more lines than they have), and combo boxes and list boxes narrower than
    // their longest entry.
    static std::vector<CString> CutTexts(CWnd& window);

    // The box the layer would show for a message (offscreen): its picture goes to pngPath (when given) and its
    // size is answered.
    static CSize LayOutMessageBox(const MessageBoxCall& call, LPCTSTR pngPath = nullptr);

    // Events, pictures and drawing.
    static void PumpPostedMessages();
    static void UpdateCommandUI(CFrameWnd& frame);
    // Shows the window's top-level window (offscreen) so that it is laid out and can be painted.
    static void ShowTopLevel(CWnd& window);
    static bool SaveWindowPng(CWnd& window, const CString& path);
    // The colour the window shows at a point of its client area (children included).
    static COLORREF PixelAt(CWnd& window, CPoint clientPoint);
    // The colours the window shows in a rectangle of its client area, row by row (0xFFFFFFFF outside it).
    static std::vector<COLORREF> PixelsIn(CWnd& window, const CRect& clientArea);
    // A file name in the artifact folder of the test run (created when missing).
    static CString ArtifactPath(LPCTSTR name);
    static void RecordDrawing(CWnd& window);
    static std::vector<CString> DrawingLog(CWnd& window);
    // Paints the window now.
    static void Repaint(CWnd& window);
    // The text of a top-level window's menu bar popups and items (for checks of the frame's menus).
    static std::vector<CString> MenuBarTitles(CWnd& frame);
    // Opens the menu bar popup with the title as the user does (its update handlers run) and answers what it
    // shows, with the path of its sub-menus ("도구 모음 및 도킹 창(&T)/표준").
    static std::vector<PopupMenuItem> OpenMenuBarPopup(CWnd& frame, LPCTSTR title);
    // Chooses the item of that path in the popup, as the user does after opening it; false when it is not there
    // or disabled.
    static bool ChooseMenuBarItem(CWnd& frame, LPCTSTR title, LPCTSTR path);
    // Opens the popup and rests the mouse on the item of that path (the status bar shows its prompt); false when
    // it is not there. The popup stays open until an item is chosen.
    static bool HoverMenuBarItem(CWnd& frame, LPCTSTR title, LPCTSTR path);
    // Qt's warnings since this driver was made (the offscreen platform's notes left out).
    static const std::vector<CString>& QtWarnings();

    // ModalHooks
    bool RunDialog(CDialog& dialog) override;
    bool MessageBox(MessageBoxCall& call) override;
    bool FileDialog(FileDialogCall& call) override;
    bool FolderDialog(FolderDialogCall& call) override;
    bool PopupMenu(PopupMenuCall& call) override;
    bool ShellOpen(ShellOpenCall& call) override;
    bool StartProcess(ProcessCall& call) override;
    void Unanswered(const CString& what) override;

private:
    static void WrongDialogClass(CDialog& dialog);

    std::map<UINT, std::deque<DialogScript>> m_dialogScripts;
    std::deque<int> m_boxAnswers;
    int m_defaultBoxAnswer = 0;
    std::deque<CString> m_fileAnswers;
    std::deque<CString> m_folderAnswers;
    std::deque<PopupMenuScript> m_popupScripts;
    bool m_runProcesses = false;
    int m_exitCode = 0;
    std::vector<MessageBoxCall> m_boxes;
    std::vector<FileDialogCall> m_fileDialogs;
    std::vector<FolderDialogCall> m_folderDialogs;
    std::vector<PopupMenuCall> m_popups;
    std::vector<ShellOpenCall> m_shellOpens;
    bool m_shellOpensFail = false;
    std::vector<ProcessCall> m_processes;
    ModalHooks* m_previous = nullptr;
};

}  // namespace tamo::platform
