#include "app/main_window.h"
#include "app/main_window_state.h"
#include "kit/controls.h"
#include "personal/personal_engine.h"
#include "personal/record_kind.h"
#include "texts/lang_text.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace zyntra {
namespace {

using Pairs = std::initializer_list<std::pair<const char*, const char*>>;

const char* const kCategoryKeys[] = {"SM_Relative",  "SM_Friend",   "SM_Classmate",
                                     "SM_Colleague", "SM_Customer", "SM_Others"};
const char* const kWeekdayKeys[] = {"SM_Monday", "SM_Tuesday",  "SM_Wednesday", "SM_Thursday",
                                    "SM_Friday", "SM_Saturday", "SM_Sunday"};
const char* const kAlarmKeys[] = {"SM_NoAlarm", "SM_AdvanceBy0Min", "SM_AdvanceBy30Min",
                                  "SM_AdvanceBy60Min"};

// Applies the texts in order to the named captioned controls.
void Captions(ControlSet& controls, Pairs pairs) {
    for (const auto& [name, key] : pairs)
        controls.Get<CaptionedControl>(name).SetCaption(LangText(key));
}

// Menu items count from 0 over the whole menu, separators included.
void MenuCaptions(ControlSet& controls, const char* menu,
                  std::initializer_list<std::pair<int, const char*>> items) {
    const auto& children = controls.Get<PopupMenu>(menu).Children();
    for (const auto& [index, key] : items)
        static_cast<MenuItem*>(children.at(index))->SetCaption(LangText(key));
}

// Columns first..last get the keys prefix + n for n from firstKey on.
void ColumnCaptions(ControlSet& controls, const char* list, int first, int last,
                    const std::string& prefix, int firstKey) {
    ListView& view = controls.Get<ListView>(list);
    for (int column = first; column <= last; ++column)
        view.SetColumnCaption(column, LangText(prefix + std::to_string(firstKey + column - first)));
}

void Band(ControlSet& controls, const char* bar, const char* key) {
    controls.Get<CoolBar>(bar).SetBandText(0, LangText(key));
}

template <std::size_t N>
void FillTable(std::array<std::string, N>& table, const char* const (&keys)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        table[i] = FitToSlot(LangText(keys[i]), kTextSlotSize);
}

template <std::size_t N>
void FillItems(ControlSet& controls, const char* selector,
               const std::array<std::string, N>& table) {
    ItemListControl& items = controls.Get<ItemListControl>(selector);
    for (std::size_t i = 0; i < N; ++i)
        items.SetItem(static_cast<int>(i), table[i]);
}

void ApplyPageTexts(ControlSet& c) {
    Captions(c, {{"tabFile", "RC_TAB_DOWNLOAD"},
                 {"tabDataSet1", "RC_TAB_DATASET1"},
                 {"tabSyncSet1", "RC_TAB_SYNCSET1"},
                 {"tabUserData", "RC_TAB_USERDATA"},
                 {"tabAddressBook", "RC_TAB_ADDRESSBOOK"},
                 {"tabSchedule", "RC_TAB_SCHEDULE"},
                 {"tabToDoList", "RC_TAB_PLANS"},
                 {"tabClass", "RC_TAB_CLASSSCHEDULE"},
                 {"tabUserDict", "RC_TAB_USERDICT"},
                 {"tabSyncSet", "RC_TAB_SYNCSET"}});
    MenuCaptions(c, "pmCompMenu",
                 {{0, "RC_BTN_UP"},
                  {1, "RC_BTN_REFRESH"},
                  {2, "RC_BTN_VIEW"},
                  {4, "RC_BTN_CUT"},
                  {5, "RC_BTN_COPY"},
                  {6, "RC_BTN_PASTE1"},
                  {7, "RC_BTN_DELETE"},
                  {9, "RC_BTN_DOWNLOAD"}});
    MenuCaptions(c, "pmDictMenu",
                 {{0, "RC_BTN_REFRESH"},
                  {1, "RC_BTN_VIEW"},
                  {3, "RC_BTN_CUT"},
                  {4, "RC_BTN_COPY"},
                  {5, "RC_BTN_PASTE2"},
                  {6, "RC_BTN_DELETE"},
                  {8, "RC_BTN_UPLOAD"}});
}

void ApplySyncPageTexts(ControlSet& c) {
    CheckList& kinds = c.Get<CheckList>("clbSyncData");
    // Both user dictionaries share the last item.
    for (RecordKind kind : kAllRecordKinds)
        kinds.SetItemCaption(SelectionItemOf(kind), LangText(KindCaptionKey(kind)));
    Captions(c, {{"rgSync", "RC_RG_SYNC_TITLE"},
                 {"rbSync1", "RC_RG_SYNC_RADIO1"},
                 {"rbSync2", "RC_RG_SYNC_RADIO2"},
                 {"rbSync3", "RC_RG_SYNC_RADIO3"},
                 {"gbDataSync", "RC_RG_DATASYNC_TITLE"},
                 {"sbBackup", "RC_BTN_DATABACKUP"},
                 {"sbRestore", "RC_BTN_DATARESTORE"},
                 {"sbUndoSync", "RC_BTN_UNDOSYNC"},
                 {"gbRecordFiles", "RC_GB_RECORDFILES_TITLE"},
                 {"sbImportFile", "RC_BTN_IMPORTFILE"},
                 {"sbExportFile", "RC_BTN_EXPORTFILE"}});
}

void ApplyAddressBookTexts(ControlSet& c, TextTables& tables) {
    Band(c, "clbAddrBar", "RC_ADDRESSBOOK");
    ColumnCaptions(c, "lvAddrList", 1, 14, "SC_ADDR_COL", 1);
    FillTable(tables.categoryNames, kCategoryKeys);
    FillItems(c, "cbCategory", tables.categoryNames);
    Captions(c, {{"tabPersonal", "RC_TAB_PERSONAL"},
                 {"tabBusiness", "RC_TAB_BUSINESS"},
                 {"lblAddrName", "RC_LBL_ADDR_NAME"},
                 {"lblAddrHAddress", "RC_LBL_ADDR_HADDRESS"},
                 {"lblAddrHEmail", "RC_LBL_ADDR_HEMAIL"},
                 {"lblAddrHPhone", "RC_LBL_ADDR_HPHONE"},
                 {"lblAddrMobile1", "RC_LBL_ADDR_MOBILE1"},
                 {"lblAddrMobile2", "RC_LBL_ADDR_MOBILE2"},
                 {"lblAddrCategory", "RC_LBL_ADDR_CATEGORY"},
                 {"lblAddrHFax", "RC_LBL_ADDR_HFAX"},
                 {"lblAddrOffice", "RC_LBL_ADDR_OFFICE"},
                 {"lblAddrOAddress", "RC_LBL_ADDR_OADDRESS"},
                 {"lblAddrOPhone", "RC_LBL_ADDR_OPHONE"},
                 {"lblAddrOFax", "RC_LBL_ADDR_OFAX"},
                 {"lblAddrTitle", "RC_LBL_ADDR_TITLE"},
                 {"cbAddrLock", "RC_CB_LOCK"}});
}

void ApplyScheduleAndToDoTexts(ControlSet& c, TextTables& tables) {
    Band(c, "clbScheBar", "RC_SCHEDULE");
    ColumnCaptions(c, "lvScheList", 1, 5, "SC_SCHE_COL", 2);
    Captions(c, {{"lblScheDate", "RC_LBL_SCHE_DATE"},
                 {"lblScheSTime", "RC_LBL_SCHE_STIME"},
                 {"lblScheETime", "RC_LBL_SCHE_ETIME"},
                 {"lblScheContent", "RC_LBL_SCHE_CONTENT"},
                 {"cbScheLock", "RC_CB_LOCK"},
                 {"cbScheNoTime", "RC_CB_NOTIME"},
                 {"lblScheAlarm", "RC_LBL_SCHE_ALARM"}});
    FillTable(tables.alarmChoices, kAlarmKeys);
    FillItems(c, "cbScheAlarm", tables.alarmChoices);

    Band(c, "clbToDoBar", "RC_PLANS");
    ColumnCaptions(c, "lvToDoList", 1, 2, "SC_TODO_COL", 2);
    Captions(c, {{"lblToDoDate", "RC_LBL_TODO_DATE"},
                 {"lblToDoType", "RC_LBL_TODO_TYPE"},
                 {"rbToDoType1", "RC_RB_TODO_TYPE1"},
                 {"rbToDoType2", "RC_RB_TODO_TYPE2"},
                 {"rbToDoType3", "RC_RB_TODO_TYPE3"},
                 {"lblToDoPriority", "RC_LBL_TODO_PRIORITY"},
                 {"rbToDoPriority1", "RC_RB_TODO_PRIORITY1"},
                 {"rbToDoPriority2", "RC_RB_TODO_PRIORITY2"},
                 {"rbToDoPriority3", "RC_RB_TODO_PRIORITY3"},
                 {"rbToDoPriority4", "RC_RB_TODO_PRIORITY4"},
                 {"lblToDoStatus", "RC_LBL_TODO_STATUS"},
                 {"lblToDoContent", "RC_LBL_TODO_CONTENT"},
                 {"cbToDoLock", "RC_CB_LOCK"}});
}

void ApplyClassTableTexts(ControlSet& c, TextTables& tables) {
    Band(c, "clbClassBar", "RC_CLASSSCHEDULE");
    Captions(c, {{"lblClassWeekday", "RC_LBL_CLASS_WEEKDAY"},
                 {"lblClassNo", "RC_LBL_CLASS_NO"},
                 {"lblClassAbbreviation", "RC_LBL_CLASS_ABBREVIATION"},
                 {"lblClassName", "RC_LBL_CLASS_NAME"},
                 {"lblClassTeacher", "RC_LBL_CLASS_TEACHER"},
                 {"lblClassNote", "RC_LBL_CLASS_NOTE"}});
    FillTable(tables.weekdayNames, kWeekdayKeys);
}

void ApplyUserDictionaryTexts(ControlSet& c) {
    Band(c, "clbUserBar", "RC_USERDICT");
    ColumnCaptions(c, "lvECUserList", 1, 3, "SC_USER_COL", 1);
    ColumnCaptions(c, "lvCEUserList", 1, 3, "SC_USER_COL", 1);
    Captions(c, {{"lblUserHeadword", "RC_LBL_USER_HEADWORD"},
                 {"lblUserPartOfSpeech", "RC_LBL_USER_PART_OF_SPEECH"},
                 {"lblUserContent", "RC_LBL_USER_CONTENT"}});
}

} // namespace

void TdfmMain::ApplyLanguageTexts() {
    State& s = *state_;
    ApplyPageTexts(controls_);
    ApplySyncPageTexts(controls_);
    ApplyAddressBookTexts(controls_, s.texts);
    ApplyScheduleAndToDoTexts(controls_, s.texts);
    ApplyClassTableTexts(controls_, s.texts);
    RecordLists& lists = personal_->Lists();
    InitClassTimetable(lists.classGrid, lists.classTimes, s.texts.weekdayNames,
                       LangText("SM_ClassNo"));
    ApplyUserDictionaryTexts(controls_);
}

} // namespace zyntra
