#include "toolkit/SaveDialog.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// The classic record, up to lpTemplateName: 76 bytes on 32-bit Windows.
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76);

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
