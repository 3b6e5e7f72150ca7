// Dialog base: a dialog resource addressed by number, run modally or
// modelessly, with virtual handlers for the messages every dialog needs.
#pragma once

#include <windows.h>

#include <string>

namespace winui {

class Dialog {
public:
    explicit Dialog(int resourceId, HWND parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog in its own message loop; returns the EndDialog result
    // (IDOK, IDCANCEL, ...) or -1 when the dialog could not be created.
    INT_PTR DoModal();
    // Creates the dialog without a message loop; the caller shows it.
    bool CreateModeless();

    // Closes the dialog: ends the modal loop, or destroys a modeless one.
    void EndDialog(INT_PTR result);

    HWND Handle() const { return hwnd_; }
    int ResourceId() const { return resourceId_; }
    bool IsModal() const { return modal_; }

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void SetItemText(int id, const std::string& text) const;
    std::string ItemText(int id) const;

protected:
    // WM_INITDIALOG; return true to let the system set the focus.
    virtual bool OnInitDialog() { return true; }
    // IDOK (the default button or Enter) and IDCANCEL (Esc, the close box).
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnTimer(UINT_PTR /*timerId*/) {}
    // WM_COMMAND other than IDOK/IDCANCEL; return true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // WM_DESTROY: kill timers, release fonts.
    virtual void OnDestroy() {}
    // Every message first comes here; the default dispatches to the handlers
    // above. Return TRUE for a handled message, as a dialog procedure does.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND parent_ = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int resourceId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
};

}  // namespace winui
