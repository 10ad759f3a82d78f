#pragma once
// The system's file-name dialog as a reusable object. Not a control: it owns no window; the
// dialog exists only while execute() runs. The chosen file type and name are carried from one
// run to the next, so the dialog opens where the user left it.
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

class SaveDialog {
public:
    // Characters a run can hand back in fileName (the dialog's buffer holds one more, the NUL).
    static constexpr std::size_t MaxPath = 261;
    // Overwrite prompt, no read-only box, path and file must exist (the save dialog itself
    // ignores the last one), Explorer look with long names, resizable.
    static constexpr DWORD DefaultOptions = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY |
                                            OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER |
                                            OFN_LONGNAMES | OFN_ENABLESIZING;

    // Owner of the dialog while it runs; when null, the application's main window.
    HWND owner = nullptr;
    // "description|pattern|description|pattern"; the "|" become the NULs the dialog expects.
    std::string filter;
    // 1-based file type the dialog preselects; 0 picks the first. A confirmed run stores the
    // type the user chose.
    int filterIndex = 0;
    // Shown as the initial name; a confirmed run stores the full path, a cancelled one
    // empties it.
    std::string fileName;
    // A save dialog when true, an open dialog otherwise.
    bool saveMode = true;
    // Empty: the system's default title and folder.
    std::string title;
    std::string initialDirectory;
    DWORD options = DefaultOptions;

    // When set, a name confirmed in the dialog that no file can have (a path over MAX_PATH - 1
    // characters or a name part over 255, the type's extension counted when the dialog would
    // add it) is refused before the dialog handles it: the dialog stays open for a shorter
    // name and this is called with the open dialog, the path and the system error. Wine's
    // dialog overruns its own buffers on such a name; where the system's dialog is the newer
    // one, which refuses such names itself, nothing is hooked and its look stays.
    std::function<void(HWND dialog, const std::string& path, DWORD error)> onNameRefused;

    // Shows the dialog modally. True when the user confirmed a file name.
    bool execute();

    // The path the dialog makes of `typed` in `folder`, with `extension` added when the name
    // part has none; and whether a file can have it (see onNameRefused).
    static std::string pathOf(const std::string& folder, const std::string& typed,
                              const std::string& extension);
    static bool fitsAFileName(const std::string& path);

    // The filter as the dialog wants it: every "|" after the first character turned into a
    // NUL, ending in two NULs.
    static std::string nativeFilter(const std::string& filter);

private:
    HWND effectiveOwner() const;
    // The extension of the type chosen in the open dialog, from the filter's pattern (".RTF").
    std::string chosenExtension(HWND dialog) const;
    static UINT_PTR CALLBACK hook(HWND child, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK guard(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);
};
