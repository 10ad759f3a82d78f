#include "toolkit/SaveDialog.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// The longest name part a file system takes.
constexpr std::size_t MaxNamePart = 255;
constexpr UINT_PTR GuardId = 1;

std::string dialogText(HWND dialog, UINT message) {
    std::vector<char> text(4096, '\0');
    SendMessageA(dialog, message, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.back() = '\0';
    return text.data();
}

// Whether the system shows the classic Explorer-style dialog for this record anyway: Wine
// (whose dialog is the one that overruns) and Windows before Vista. From Vista on, a hook
// would trade the system's own dialog, which refuses such names itself, for the classic one.
bool classicDialogAnyway() {
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) {
        return true;
    }
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwMajorVersion < 6;
}

}  // namespace

std::string SaveDialog::pathOf(const std::string& folder, const std::string& typed,
                               const std::string& extension) {
    std::string path;
    if (typed.size() >= 2 && (typed[1] == ':' || typed.compare(0, 2, "\\\\") == 0)) {
        path = typed;
    } else if (!typed.empty() && typed[0] == '\\') {
        path = folder.substr(0, 2) + typed;  // the drive of the folder
    } else {
        path = folder;
        if (!path.empty() && path.back() != '\\') {
            path += '\\';
        }
        path += typed;
    }
    const std::size_t name = path.find_last_of('\\') + 1;
    if (path.find('.', name) == std::string::npos) {
        path += extension;
    }
    return path;
}

bool SaveDialog::fitsAFileName(const std::string& path) {
    if (path.size() > MAX_PATH - 1) {
        return false;
    }
    std::size_t part = 0;
    for (std::size_t end; (end = path.find('\\', part)) != std::string::npos; part = end + 1) {
        if (end - part > MaxNamePart) {
            return false;
        }
    }
    return path.size() - part <= MaxNamePart;
}

std::string SaveDialog::chosenExtension(HWND dialog) const {
    const auto chosen = SendDlgItemMessageA(dialog, cmb1, CB_GETCURSEL, 0, 0);
    // Patterns are every second entry of "description|pattern|description|pattern".
    std::size_t from = 0;
    for (LRESULT entry = 0; entry <= 2 * chosen + 1; ++entry) {
        const std::size_t bar = filter.find('|', from);
        if (entry == 2 * chosen + 1) {
            const std::string pattern =
                filter.substr(from, bar == std::string::npos ? bar : bar - from);
            const std::size_t dot = pattern.rfind('.');
            return dot == std::string::npos || pattern.find_first_of("*?", dot) != std::string::npos
                       ? std::string()
                       : pattern.substr(dot);
        }
        if (bar == std::string::npos) {
            break;
        }
        from = bar + 1;
    }
    return {};
}

UINT_PTR CALLBACK SaveDialog::hook(HWND child, UINT msg, WPARAM, LPARAM lParam) {
    // The Explorer-style hook is a child of the dialog; the confirmation goes to the dialog.
    if (msg == WM_INITDIALOG) {
        const auto* record = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        SetWindowSubclass(GetParent(child), guard, GuardId,
                          static_cast<DWORD_PTR>(record->lCustData));
    }
    return 0;
}

LRESULT CALLBACK SaveDialog::guard(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR self) {
    if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) {
        auto* owner = reinterpret_cast<SaveDialog*>(self);
        const std::string typed = dialogText(dialog, CDM_GETSPEC);
        if (!typed.empty()) {
            const std::string path = pathOf(dialogText(dialog, CDM_GETFOLDERPATH), typed,
                                            owner->chosenExtension(dialog));
            if (!fitsAFileName(path)) {
                owner->onNameRefused(dialog, path, ERROR_FILENAME_EXCED_RANGE);
                return 0;
            }
        }
    } else if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(dialog, guard, GuardId);
    }
    return DefSubclassProc(dialog, msg, wParam, lParam);
}

// The classic record, up to lpTemplateName: 76 bytes in the 32-bit program (136 in the 64-bit
// one, whose pointers and handles are twice as wide; there the size is whatever the build gives).
#ifndef _WIN64
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76);
#endif

std::string SaveDialog::nativeFilter(const std::string& filter) {
    std::string list = filter;
    if (list.size() > 1) {
        std::replace(list.begin() + 1, list.end(), '|', '\0');
    }
    // std::string keeps its own terminating NUL after this one: the list ends in two.
    list.push_back('\0');
    return list;
}

HWND SaveDialog::effectiveOwner() const {
    return owner;
}

bool SaveDialog::execute() {
    const std::string nativeList = nativeFilter(filter);
    std::vector<char> buffer(MaxPath + 1, '\0');
    std::copy_n(fileName.begin(), std::min(fileName.size(), MaxPath), buffer.begin());
    static const char noExtension[] = "";

    OPENFILENAMEA record{};
    // The classic record size: every system that shows this dialog accepts it.
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = effectiveOwner();
    record.hInstance = Application::instance();
    record.lpstrFilter = nativeList.c_str();
    record.nFilterIndex = static_cast<DWORD>(filterIndex);
    record.lpstrFile = buffer.data();
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    record.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
    record.lpstrTitle = title.empty() ? nullptr : title.c_str();
    record.Flags = options;
    if (onNameRefused && classicDialogAnyway()) {
        record.Flags |= OFN_ENABLEHOOK;
        record.lpfnHook = hook;
    }
    // Not null: a name typed without an extension gets the one of the chosen file type.
    record.lpstrDefExt = noExtension;
    record.lCustData = reinterpret_cast<LPARAM>(this);

    const bool confirmed = saveMode ? GetSaveFileNameA(&record) : GetOpenFileNameA(&record);
    if (confirmed) {
        filterIndex = static_cast<int>(record.nFilterIndex);
        buffer.back() = '\0';
        fileName = buffer.data();
    } else {
        fileName.clear();
    }
    return confirmed;
}
