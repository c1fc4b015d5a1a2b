#include "personal/editors/record_file_dialogs.h"

#include "exchange/record_files.h"
#include "personal/editors/sync_report_text.h"
#include "personal/editors/time_texts.h"
#include "personal/personal_engine.h"
#include "texts/charset_converter.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

// "Schedule, To-do list - iCalendar": the kinds in the user's language and the format's own
// name. A vCard of any version is read, so the type to read names no version.
std::string TypeLabel(const RecordFileType& type, bool toRead) {
    std::string label;
    for (RecordKind kind : type.kinds)
        label += (label.empty() ? "" : ", ") + LangText(ReportKindKey(kind));
    const bool anyVCard = toRead && type.format == RecordFileFormat::VCard40;
    return label + " - " + (anyVCard ? "vCard" : FormatName(type.format));
}

std::vector<FileFilter> FiltersOf(const std::vector<RecordFileType>& types, bool toRead) {
    std::vector<FileFilter> filters;
    for (const RecordFileType& type : types)
        filters.push_back({TypeLabel(type, toRead), ExtensionsOf(type.format)});
    return filters;
}

// Lines of the readers, which write UTF-8, for a box that shows the interface charset.
std::string DetailLines(const std::vector<std::string>& lines, const std::string& charset) {
    const CharsetConverter toInterface(charset, "UTF-8");
    std::string text;
    for (const std::string& line : lines)
        text += toInterface.ConvertLenient(line) + "\n";
    return text;
}

} // namespace

bool RecordFileDialogs::Import() {
    const std::vector<RecordFileType> types = ImportFileTypes();
    const std::optional<FileChoice> choice =
        ui_.fileDialog.ChooseFileToOpen(LangText("SM_FileImportTitle"), FiltersOf(types, true));
    if (!choice || choice->filter >= types.size())
        return false;
    RecordFileImport result;
    {
        WaitCursorScope wait(ui_.waitCursor);
        const PlainDateTime now = ui_.clock.Now();
        result = AppendRecordFile(engine_.Lists(), choice->path,
                                  ImportTypeOfFile(types, choice->filter, choice->path),
                                  engine_.InterfaceCharset(), DateText(now.date), StampText(now));
    }
    const std::string& charset = engine_.InterfaceCharset();
    if (!result.faults.empty()) {
        ui_.messages.ShowWithDetails(LangText("SM_FileImportNG"),
                                     DetailLines(result.faults, charset));
        return false;
    }
    const std::string added =
        FormatCount(LangText("SM_FileImportOK"), static_cast<long long>(result.AppendedCount()));
    if (result.notes.empty())
        ui_.messages.Show(added);
    else
        ui_.messages.ShowWithDetails(added, LangText("SM_FileImportNotMapped") + "\n" +
                                                DetailLines(result.notes, charset));
    return true;
}

void RecordFileDialogs::Export() {
    const std::vector<RecordFileType> types = ExportFileTypes();
    const std::optional<FileChoice> choice = ui_.fileDialog.ChooseFileToSave(
        LangText("SM_FileExportTitle"), FiltersOf(types, false), "zyntra");
    if (!choice || choice->filter >= types.size())
        return;
    const RecordFileType& type = types[choice->filter];
    RecordFileExport result;
    {
        WaitCursorScope wait(ui_.waitCursor);
        result = WriteRecordFile(engine_.Lists(), choice->path, type, engine_.InterfaceCharset());
    }
    if (!result.fault.empty()) {
        ui_.messages.ShowWithDetails(LangText("SM_FileExportNG"),
                                     DetailLines({result.fault}, engine_.InterfaceCharset()));
        return;
    }
    ui_.messages.Show(
        FormatCount(LangText("SM_FileExportOK"), static_cast<long long>(result.written)));
}

} // namespace zyntra
