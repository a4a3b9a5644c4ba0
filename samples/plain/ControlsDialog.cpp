// The dialog from the resource script, its controls filled as any program
// fills them: by messages to the controls of the dialog template.
#include "samples/plain/ControlsDialog.h"

#include "samples/plain/resource.h"

#include <commctrl.h>

#include <iterator>

namespace {

constexpr const wchar_t* Fruit[] = {L"Apple",      L"Banana", L"Cherry", L"Damson",
                                    L"Elderberry", L"Fig",    L"Grape"};
constexpr const wchar_t* TabNames[] = {L"General", L"Details", L"Advanced"};
constexpr const wchar_t* TabPages[] = {L"The general settings.", L"More about each item.",
                                       L"For those who know."};

struct Row {
    const wchar_t* name;
    const wchar_t* size;
    const wchar_t* kind;
};
constexpr Row Rows[] = {{L"readme.txt", L"2 KB", L"Text"},
                        {L"logo.bmp", L"48 KB", L"Picture"},
                        {L"setup.exe", L"1.2 MB", L"Program"},
                        {L"notes.ini", L"1 KB", L"Settings"}};

void FillCombo(HWND dialog, int id) {
    for (const wchar_t* item : Fruit) {
        SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, 2, 0);
}

void FillListBox(HWND dialog) {
    for (const wchar_t* item : Fruit) {
        SendDlgItemMessageW(dialog, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendDlgItemMessageW(dialog, IDC_LIST, LB_SETCURSEL, 1, 0);
}

void FillTabs(HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    for (int i = 0; i < static_cast<int>(std::size(TabNames)); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(TabNames[i]);
        TabCtrl_InsertItem(tabs, i, &item);
    }
    SetDlgItemTextW(dialog, IDC_TAB_PAGE, TabPages[0]);
}

void FillListView(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_LISTVIEW);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    constexpr struct {
        const wchar_t* title;
        int width;
    } Columns[] = {{L"Name", 70}, {L"Size", 50}, {L"Kind", 60}};
    for (int i = 0; i < static_cast<int>(std::size(Columns)); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(Columns[i].title);
        column.cx = Columns[i].width;
        ListView_InsertColumn(list, i, &column);
    }
    for (int i = 0; i < static_cast<int>(std::size(Rows)); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(Rows[i].name);
        ListView_InsertItem(list, &item);
        ListView_SetItemText(list, i, 1, const_cast<wchar_t*>(Rows[i].size));
        ListView_SetItemText(list, i, 2, const_cast<wchar_t*>(Rows[i].kind));
    }
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
}

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const wchar_t* text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    return TreeView_InsertItem(tree, &insert);
}

void FillTree(HWND dialog) {
    HWND tree = GetDlgItem(dialog, IDC_TREE);
    HTREEITEM documents = AddNode(tree, TVI_ROOT, L"Documents");
    AddNode(tree, documents, L"Letters");
    AddNode(tree, documents, L"Reports");
    HTREEITEM pictures = AddNode(tree, TVI_ROOT, L"Pictures");
    AddNode(tree, pictures, L"Holidays");
    AddNode(tree, pictures, L"Family");
    AddNode(tree, TVI_ROOT, L"Music");
    TreeView_Expand(tree, documents, TVE_EXPAND);
    TreeView_SelectItem(tree, documents);
}

void SetScrollRange(HWND dialog, int id, int position) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 100;
    info.nPage = 10;
    info.nPos = position;
    SetScrollInfo(GetDlgItem(dialog, id), SB_CTL, &info, TRUE);
}

void FillControls(HWND dialog) {
    CheckDlgButton(dialog, IDC_CHECK, BST_CHECKED);
    CheckRadioButton(dialog, IDC_RADIO_ONE, IDC_RADIO_TWO, IDC_RADIO_ONE);
    SetDlgItemTextW(dialog, IDC_NAME, L"Plain sample");
    SetDlgItemTextW(dialog, IDC_NOTES, L"A multi-line edit.\r\nIt takes Enter as a new line.");
    SendDlgItemMessageW(dialog, IDC_COUNT_SPIN, UDM_SETRANGE32, 0, 99);
    SendDlgItemMessageW(dialog, IDC_COUNT_SPIN, UDM_SETPOS32, 0, 7);
    SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETRANGE32, 0, 100);
    SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETPOS, 40, 0);
    FillCombo(dialog, IDC_SIMPLE_COMBO);
    FillCombo(dialog, IDC_DROPDOWN_COMBO);
    FillCombo(dialog, IDC_DROPLIST_COMBO);
    FillListBox(dialog);
    SendDlgItemMessageW(dialog, IDC_TRACK, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendDlgItemMessageW(dialog, IDC_TRACK, TBM_SETTICFREQ, 10, 0);
    SendDlgItemMessageW(dialog, IDC_TRACK, TBM_SETPOS, TRUE, 40);
    SetScrollRange(dialog, IDC_HSCROLL, 30);
    SetScrollRange(dialog, IDC_VSCROLL, 0);
    FillTabs(dialog);
    FillListView(dialog);
    FillTree(dialog);
    SetDlgItemTextW(dialog, IDC_STATUS, L"Every standard control, in one dialog");
}

// A scroll bar control moves its thumb only when its owner says where to.
void Scroll(HWND bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    int position = info.nPos;
    const int last = info.nMax - static_cast<int>(info.nPage) + 1;
    switch (request) {
    case SB_LINELEFT:
        position -= 1;
        break;
    case SB_LINERIGHT:
        position += 1;
        break;
    case SB_PAGELEFT:
        position -= static_cast<int>(info.nPage);
        break;
    case SB_PAGERIGHT:
        position += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    case SB_LEFT:
        position = info.nMin;
        break;
    case SB_RIGHT:
        position = last;
        break;
    default:
        return;
    }
    info.fMask = SIF_POS;
    info.nPos = position < info.nMin ? info.nMin : (position > last ? last : position);
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

// The track bar drives the progress bar, so both show the same amount.
void TrackMoved(HWND dialog) {
    const LRESULT position = SendDlgItemMessageW(dialog, IDC_TRACK, TBM_GETPOS, 0, 0);
    SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETPOS, position, 0);
}

INT_PTR CALLBACK ControlsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        FillControls(dialog);
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        HWND from = reinterpret_cast<HWND>(lParam);
        if (from == GetDlgItem(dialog, IDC_TRACK)) {
            TrackMoved(dialog);
        } else if (from == GetDlgItem(dialog, IDC_HSCROLL) ||
                   from == GetDlgItem(dialog, IDC_VSCROLL)) {
            Scroll(from, LOWORD(wParam));
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_TABS && header->code == TCN_SELCHANGE) {
            const int page = TabCtrl_GetCurSel(header->hwndFrom);
            SetDlgItemTextW(dialog, IDC_TAB_PAGE, TabPages[page < 0 ? 0 : page]);
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
        } else if (LOWORD(wParam) == IDC_PUSH) {
            SetDlgItemTextW(dialog, IDC_STATUS, L"The push button was pressed");
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

bool ShowControlsDialog(HWND owner) {
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(IDD_CONTROLS), owner, ControlsProc, 0);
    return result == IDOK;
}
