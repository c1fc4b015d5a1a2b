#include "personal/record_loaders.h"

#include "texts/lang_text.h"
#include "kit/message_box.h"
#include "kit/pending_events.h"
#include "personal/text_forms.h"
#include "storage/text_conv.h"

namespace zyntra {
namespace {

std::string Plain(const char* value) {
    return value != nullptr ? value : "";
}

void LetPendingEventsRun(LoadContext& context) {
    context.pendingEvents.ProcessPendingEvents();
    conv_open("UTF-8", context.interfaceCharset);
}

template <class Record>
void FinishRecord(LoadContext& context, Record& record, const char* label, int row) {
    KeepStoredFormIfReadOnly(record.stored);
    if (record.stored.readOnly)
        context.readOnlyRecords.push_back(std::string(label) + " rec=" + std::to_string(row));
}

// The table's rows one query each: the row statement is completed with "<row>, 1;".
template <class Reset, class Fill>
void LoadRows(LoadContext& context, std::string_view countStatement, std::string_view rowStatement,
              const char* label, Reset reset, Fill fill) {
    std::optional<int> count = CountOf(context.db, countStatement);
    if (!count)
        return;
    reset();
    for (int row = 0; row < *count; ++row) {
        ScopedQuery q(context.db);
        if (db_query(q, std::string(rowStatement) + std::to_string(row) + ", 1;") <= 0) {
            ++context.unreadableRows;
            context.messages.Show(std::string(label) + " error, rec=" + std::to_string(row) + "\n");
            LetPendingEventsRun(context);
            continue;
        }
        fill(q, row);
        db_free(q);
    }
}

void FillAddress(LoadContext& context, RecordLists& lists, const DbQuery& q, int row) {
    auto record = std::make_unique<ADDRESSBOOK>();
    ADDRESSBOOK& r = *record;
    StoredForm& s = r.stored;
    auto text = [&](int column, const char* name) {
        return LoadText(RowValue(q, 1, column), true, name, s);
    };
    r.id = DecimalValue(RowValue(q, 1, 0));
    r.name = text(1, "name");
    r.category = DecimalValue(RowValue(q, 1, 2));
    r.email = text(3, "email");
    r.mobile1 = text(4, "mobile1");
    r.mobile2 = text(5, "mobile2");
    r.home_phone = text(6, "home_phone");
    r.home_fax = text(7, "home_fax");
    r.home_address = text(8, "home_address");
    r.office_name = text(9, "office_name");
    r.office_title = text(10, "office_title");
    r.office_phone = text(11, "office_phone");
    r.office_fax = text(12, "office_fax");
    r.office_address = text(13, "office_address");
    r.note = text(14, "note");
    r.photo_name = text(15, "photo_name");
    r.locked = DecimalValue(RowValue(q, 1, 16));
    r.stamp_time = Plain(RowValue(q, 1, 17));
    FinishRecord(context, r, "tele", row);
    lists.AddrList.push_back(std::move(record));
}

void FillSchedule(LoadContext& context, RecordLists& lists, const DbQuery& q, int row) {
    auto record = std::make_unique<SCHEDULE>();
    SCHEDULE& r = *record;
    r.id = DecimalValue(RowValue(q, 1, 0));
    r.date = Plain(RowValue(q, 1, 1));
    r.start_time = Plain(RowValue(q, 1, 2));
    r.end_time = Plain(RowValue(q, 1, 3));
    r.content = LoadText(RowValue(q, 1, 4), true, "content", r.stored);
    r.alarm = DecimalValue(RowValue(q, 1, 5));
    r.locked = DecimalValue(RowValue(q, 1, 6));
    r.alarm_BStime = DecimalValue(RowValue(q, 1, 7));
    r.stamp_time = Plain(RowValue(q, 1, 8));
    FinishRecord(context, r, "sche", row);
    lists.ScheList.push_back(std::move(record));
}

void FillToDo(LoadContext& context, RecordLists& lists, const DbQuery& q, int row) {
    auto record = std::make_unique<PLANS>();
    PLANS& r = *record;
    r.id = DecimalValue(RowValue(q, 1, 0));
    r.date = Plain(RowValue(q, 1, 1));
    r.content = LoadText(RowValue(q, 1, 2), true, "content", r.stored);
    r.category = DecimalValue(RowValue(q, 1, 3));
    r.priority = DecimalValue(RowValue(q, 1, 4));
    r.status = DecimalValue(RowValue(q, 1, 5));
    r.locked = DecimalValue(RowValue(q, 1, 6));
    r.stamp_time = Plain(RowValue(q, 1, 7));
    FinishRecord(context, r, "todo", row);
    lists.ToDoList.push_back(std::move(record));
}

template <class Entry>
void FillEntry(LoadContext& context, RecordList<Entry>& list, const char* label, const DbQuery& q,
               int row) {
    auto entry = std::make_unique<Entry>();
    Entry& e = *entry;
    const char* headword = RowValue(q, 1, 0);
    e.hw_name = LoadText(headword, false, "hw_name", e.stored);
    e.type = LoadText(RowValue(q, 1, 1), false, "type", e.stored);
    e.exp = LoadText(RowValue(q, 1, 2), false, "exp", e.stored);
    if (headword != nullptr) {
        e.storedHeadword = headword;
        for (char c : e.storedHeadword)
            if (c != ' ')
                e.hw_match += c;
    }
    FinishRecord(context, e, label, row);
    list.push_back(std::move(entry));
}

bool LoadClassTimes(LoadContext& context, ClassTimes& times) {
    for (int p = 0; p < kClassPeriodCount; ++p) {
        ScopedQuery q(context.db);
        if (db_query(q, "select id, class_start_hour, class_start_min, class_end_hour, "
                        "class_end_min from classtime limit " +
                            std::to_string(p) + ", 1;") <= 0)
            return false;
        times[p] = {DecimalValue(RowValue(q, 1, 1)), DecimalValue(RowValue(q, 1, 2)),
                    DecimalValue(RowValue(q, 1, 3)), DecimalValue(RowValue(q, 1, 4))};
        db_free(q);
    }
    return true;
}

void FillCell(LoadContext& context, CLASSTABLE& cell, const DbQuery& q, int n) {
    const int p = n % kClassPeriodCount;
    cell.stored = StoredForm{};
    auto text = [&](int column, const char* name) {
        return LoadText(RowValue(q, 1, column), true, name, cell.stored);
    };
    cell.weekday = DecimalValue(RowValue(q, 1, 1));
    cell.class_no = DecimalValue(RowValue(q, 1, 2));
    cell.abbreviation = text(3, "abbreviation");
    cell.course_name = text(4, "course_name");
    cell.teacher = text(5, "teacher");
    cell.place = text(6, "place");
    cell.note = text(7, "note");
    cell.color = DecimalValue(RowValue(q, 1, 8));
    cell.locked = DecimalValue(RowValue(q, 1, 9));
    cell.setting = DecimalValue(RowValue(q, 1, 10));
    cell.stamp_time = Plain(RowValue(q, 1, 11));
    cell.classLabel = FormatCount(context.classNoFormat, p + 1);
    cell.weekdayLabel =
        context.weekdayName ? context.weekdayName(n / kClassPeriodCount) : std::string();
    cell.displayColour = DisplayColour(cell.color);
    FinishRecord(context, cell, "class", n);
}

} // namespace

void LoadAddressBook(LoadContext& context, RecordLists& lists) {
    LoadRows(
        context, "select count(id) from telephone",
        "select id, name, category, email, mobile1, mobile2, home_phone, home_fax, home_address, "
        "office_name, office_title, office_phone, office_fax, office_address, note, photo_name, "
        "locked, stamp_time from telephone limit ",
        "tele", [&] { lists.ResetList(RecordKind::AddressBook); },
        [&](const DbQuery& q, int row) { FillAddress(context, lists, q, row); });
}

void LoadSchedule(LoadContext& context, RecordLists& lists) {
    LoadRows(
        context, "select count(id) from schedule",
        "select id, date, start_time, end_time, content, alarm, locked, alarm_BStime, stamp_time "
        "from schedule limit ",
        "sche", [&] { lists.ResetList(RecordKind::Schedule); },
        [&](const DbQuery& q, int row) { FillSchedule(context, lists, q, row); });
}

void LoadToDo(LoadContext& context, RecordLists& lists) {
    LoadRows(
        context, "select count(id) from todolist",
        "select id, date, content, category, priority, status, locked, stamp_time from todolist "
        "limit ",
        "todo", [&] { lists.ResetList(RecordKind::ToDo); },
        [&](const DbQuery& q, int row) { FillToDo(context, lists, q, row); });
}

void LoadECUser(LoadContext& context, RecordLists& lists) {
    LoadRows(
        context, "select count(hw_id) from headword",
        "select hw_name, type, exp, hw_match from headword limit ", "ec user",
        [&] { lists.ResetList(RecordKind::ECUser); },
        [&](const DbQuery& q, int row) {
            FillEntry(context, lists.ECUserList, "ec user", q, row);
        });
}

void LoadCEUser(LoadContext& context, RecordLists& lists) {
    LoadRows(
        context, "select count(hw_id) from headword",
        "select hw_name, type, exp from headword limit ", "ce user",
        [&] { lists.ResetList(RecordKind::CEUser); },
        [&](const DbQuery& q, int row) {
            FillEntry(context, lists.CEUserList, "ce user", q, row);
        });
}

void LoadClassTable(LoadContext& context, RecordLists& lists) {
    if (!LoadClassTimes(context, lists.classTimes))
        return;
    for (int n = 0; n < kWeekdayCount * kClassPeriodCount; ++n) {
        ScopedQuery q(context.db);
        if (db_query(q, "select id, weekday, class_no, abbreviation, course_name, teacher, place, "
                        "note, color, locked, setting, stamp_time from classtable limit " +
                            std::to_string(n) + ", 1;") <= 0)
            return;
        FillCell(context, lists.classGrid[n / kClassPeriodCount][n % kClassPeriodCount], q, n);
        db_free(q);
    }
}

} // namespace zyntra
