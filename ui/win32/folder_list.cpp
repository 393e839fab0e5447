// The folder tree list: an owner-drawn list box of 16-pixel rows, its rows
// made on demand from the shared folder tree, so that a folder of a hundred
// thousand subfolders costs one name each.
#include "layer/folder_list.h"
#include "impl.h"

#include <map>
#include <utility>

namespace ui {

namespace {

// At 96 DPI; they grow with the window.
using folder_list::kIndent;
using folder_list::kRowHeight;

// The system's own folder pictures, from the shell's resources (closed 4,
// open 5, on every Windows and on Wine), at a row's height.
HICON folderIcon(bool open, int size)
{
    static const HMODULE shell = LoadLibraryA("shell32.dll");
    static std::map<std::pair<bool, int>, HICON> loaded;
    HICON &icon = loaded[{open, size}];
    if (!icon)
        icon = static_cast<HICON>(
            LoadImageA(shell, MAKEINTRESOURCEA(open ? 5 : 4), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    return icon;
}

struct DirectoryListBoxImpl : Control::Impl {
    using Impl::Impl;

    void create(int id) override
    {
        hwnd = makeChild(form, layout, id, "LISTBOX",
                         WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                         WS_EX_CLIENTEDGE);
        SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, rowHeight());
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        listProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DirectoryListBoxImpl::proc)));
        refresh();
    }

    int rowHeight() const { return form.scale.length(kRowHeight); }

    void rescale() override
    {
        Impl::rescale();
        SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, rowHeight());
        refresh();
    }

    void refresh()
    {
        SendMessageA(hwnd, LB_SETCOUNT, static_cast<WPARAM>(tree.rowCount()), 0);
        SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(tree.chainLength() - 1), 0);
        InvalidateRect(hwnd, nullptr, TRUE);
    }

    // The user opened `row`: a double click reports its press after the open.
    void userOpens(int row, bool pressed)
    {
        folder_list::userOpens(tree, row, [this](int opened) {
            tree.open(opened);
            refresh();
        }, pressed ? std::function<void()>([this] { mouseDown(); }) : nullptr);
    }

    void mouseDown() { fire(member, &DirectoryListBox::onMouseDown); }

    // The row under a point of the list, or -1.
    int rowAt(LPARAM point) const
    {
        RECT client;
        GetClientRect(hwnd, &client);
        const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
        if (!PtInRect(&client, at))
            return -1;
        const int row = static_cast<int>(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0)) + at.y / rowHeight();
        return row < tree.rowCount() ? row : -1;
    }

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: {
            const LRESULT result = CallWindowProcA(listProc, hwnd, message, wParam, lParam);
            mouseDown();
            return result;
        }
        case WM_LBUTTONDBLCLK: {
            // The second press of a double click opens the folder first.
            const LRESULT result = CallWindowProcA(listProc, hwnd, message, wParam, lParam);
            userOpens(rowAt(lParam), true);
            return result;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                userOpens(static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)), false);
                return 0;
            }
            break;
        case WM_GETDLGCODE: {
            const auto *key = reinterpret_cast<const MSG *>(lParam);
            const LRESULT code = CallWindowProcA(listProc, hwnd, message, wParam, lParam);
            return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
        }
        default:
            break;
        }
        return CallWindowProcA(listProc, hwnd, message, wParam, lParam);
    }

    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<DirectoryListBoxImpl *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        return self->handle(message, wParam, lParam);
    }

    void drawItem(const DRAWITEMSTRUCT &item) override
    {
        const int row = static_cast<int>(item.itemID);
        if (row < 0 || row >= tree.rowCount())
            return;
        const HDC dc = item.hDC;
        const bool chosen = item.itemState & ODS_SELECTED;
        FillRect(dc, &item.rcItem, GetSysColorBrush(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        const core::ScreenScale &scale = form.scale;
        const int left = item.rcItem.left + scale.length(2 + tree.rowLevel(row) * kIndent);
        const int size = rowHeight();
        if (const HICON icon = folderIcon(tree.isOpenFolder(row), size))
            DrawIconEx(dc, left, item.rcItem.top, icon, size, size, 0, nullptr, DI_NORMAL);
        RECT place = item.rcItem;
        place.left = left + size + scale.length(3);
        const std::string text = tree.rowText(row);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const HGDIOBJ previous = SelectObject(dc, win32::font(layout.font));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &place,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, previous);
        if (item.itemState & ODS_FOCUS)
            DrawFocusRect(dc, &item.rcItem);
    }

    core::FolderTree tree;
    WNDPROC listProc = nullptr;
};

} // namespace

std::unique_ptr<Control::Impl> makeDirectoryListBox(Form::Impl &form, const core::ControlLayout &layout)
{
    return std::make_unique<DirectoryListBoxImpl>(form, layout);
}

std::string runtime::folderListDirectory(const Control::Impl &list)
{
    return static_cast<const DirectoryListBoxImpl &>(list).tree.directory();
}

void runtime::setFolderListDirectory(Control::Impl &list, const std::string &folder)
{
    auto &folders = static_cast<DirectoryListBoxImpl &>(list);
    folders.tree.setDirectory(folder);
    folders.refresh();
}

void runtime::setFolderListDrive(Control::Impl &list, const std::string &driveRoot)
{
    auto &folders = static_cast<DirectoryListBoxImpl &>(list);
    folders.tree.setDrive(driveRoot);
    folders.refresh();
}

} // namespace ui
