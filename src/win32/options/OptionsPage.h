#pragma once
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <span>
#include <string>
#include <string_view>

#include "options/FieldBalloon.h"
#include "text/OptionsPageTexts.h"
#include "text/OptionsTexts.h"
#include "text/Texts.h"

namespace vistrel::win32 {

// One page of the Options property sheet: a dialog made from its template in the program's
// resources, whose procedure routes to this object. A page only shows the options model and hands
// the user's edits to it; the model decides what is valid and what has changed. Its template holds
// no texts: the page takes its title and labels from the catalogue, in the language in force.
class OptionsPage {
public:
    // A control whose text is a label of the catalogue.
    struct Label {
        int id;
        OptionsPageText text;
    };
    struct Design {
        int templateId;
        OptionsText title;
        std::span<const Label> labels;
    };

    virtual ~OptionsPage() = default;
    OptionsPage(const OptionsPage&) = delete;
    OptionsPage& operator=(const OptionsPage&) = delete;

    // What the property sheet needs to make the page, its title included.
    PROPSHEETPAGEW sheetPage();
    std::wstring title() const;
    // Null until the sheet has made the page (it makes a page when it is first shown).
    HWND hwnd() const { return m_dialog; }
    // The program may have changed what the page shows (the sheet was activated again).
    virtual void refresh() {}
    // The language changed: the page takes its texts again (the sheet sees to its tab).
    void retext();

protected:
    OptionsPage(Design design, const Texts& texts) : m_design(design), m_texts(texts) {}

    // WM_INITDIALOG: the controls exist and show their labels.
    virtual void init() = 0;
    // The texts the page makes itself (beyond its labels), again in the language in force.
    virtual void textsChanged() {}
    virtual void command(int /*id*/, int /*code*/) {}
    virtual void notify(const NMHDR& /*header*/) {}
    virtual void scroll(HWND /*control*/) {}
    // OK or Apply; false when the page refused, having shown the user why.
    virtual bool apply() = 0;
    // Cancel, or the page going with the sheet.
    virtual void cancel() {}
    virtual void closed() {}

    const Texts& texts() const { return m_texts; }
    HWND item(int id) const { return GetDlgItem(m_dialog, id); }
    bool checked(int id) const { return IsDlgButtonChecked(m_dialog, id) == BST_CHECKED; }
    void check(int id, bool on) { CheckDlgButton(m_dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
    std::string text(int id) const;  // UTF-8
    void setText(int id, std::string_view utf8);
    void enable(int id, bool on) { EnableWindow(item(id), on); }
    // Tells the sheet whether the page holds something to apply: Apply is greyed otherwise.
    void markChanged(bool changed);
    // Once the sheet shows this page again: the focus on the control and a balloon on it.
    void refuseAt(int id, std::string_view message);

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR onNotify(const NMHDR& header);
    INT_PTR result(LONG_PTR value);
    void showLabels();

    Design m_design;
    const Texts& m_texts;
    HWND m_dialog = nullptr;
    FieldBalloon m_balloon;
    std::wstring m_title;    // the title the sheet was given, for as long as it may read it
    std::wstring m_refusal;  // the balloon's text while its posted message is on the way
};

}  // namespace vistrel::win32
