#include "personal/writer_support.h"

namespace zyntra {
namespace {

std::string Number(int value) {
    return std::to_string(value);
}

struct ScheduleRules {
    using Record = SCHEDULE;
    static constexpr int kThreshold = 4;
    static constexpr int kIdColumn = 7;
    static constexpr const char* kCountStatement = "select count(id) from schedule;";
    static constexpr const char* kMaxStatement = "select max(id) from schedule;";

    struct Forms {
        DbText date, startTime, endTime, content;
    };

    static Forms MakeForms(const SCHEDULE& record) {
        return {PlainText(record.date), PlainText(record.start_time), PlainText(record.end_time),
                WriterText(record.stored, "content", record.content, true)};
    }

    // The row's id comes last, so that an update addresses the row that matched.
    static std::string FindStatement(const Forms& forms) {
        return "select alarm, date, start_time, content, end_time, locked, alarm_BStime, id "
               "from schedule where date = " +
               Quoted(forms.date) + ";";
    }

    static MatchCount Compare(const DbQuery& q, int row, const SCHEDULE& record,
                              const Forms& forms) {
        MatchCount count;
        count.CompareText(RowValue(q, row, 2), forms.startTime);
        count.CompareText(RowValue(q, row, 4), forms.endTime);
        count.CompareText(RowValue(q, row, 3), forms.content);
        count.DifferIfInteger(RowValue(q, row, 0), record.alarm);
        count.DifferIfInteger(RowValue(q, row, 6), record.alarm_BStime);
        return count;
    }

    static std::string InsertStatement(int id, const SCHEDULE& record, const Forms& forms) {
        return "insert into schedule values( " + Number(id) + ", " + Quoted(forms.date) + ", " +
               Quoted(forms.startTime) + ", " + Quoted(forms.endTime) + ", " +
               Quoted(forms.content) + ", " + Number(record.alarm) + ", " + Number(record.locked) +
               ", CURRENT_TIMESTAMP, " + Number(record.alarm_BStime) + ");";
    }

    static std::string UpdateStatement(int rowId, const SCHEDULE& record, const Forms& forms) {
        return "update schedule set date=" + Quoted(forms.date) +
               ", start_time=" + Quoted(forms.startTime) + ", end_time=" + Quoted(forms.endTime) +
               ", content=" + Quoted(forms.content) + ", alarm=" + Number(record.alarm) +
               ", locked=" + Number(record.locked) +
               ", stamp_time=CURRENT_TIMESTAMP, alarm_BStime=" + Number(record.alarm_BStime) +
               " where id=" + Number(rowId) + ";";
    }
};

struct ToDoRules {
    using Record = PLANS;
    static constexpr int kThreshold = 3;
    static constexpr int kIdColumn = 6;
    static constexpr const char* kCountStatement = "select count(id) from todolist;";
    static constexpr const char* kMaxStatement = "select max(id) from todolist;";

    struct Forms {
        DbText date, content;
    };

    static Forms MakeForms(const PLANS& record) {
        return {PlainText(record.date), WriterText(record.stored, "content", record.content, true)};
    }

    static std::string FindStatement(const Forms& forms) {
        return "select date, content, category, priority, status, locked, id from todolist "
               "where date = " +
               Quoted(forms.date) + ";";
    }

    static MatchCount Compare(const DbQuery& q, int row, const PLANS& record, const Forms& forms) {
        MatchCount count;
        count.CompareText(RowValue(q, row, 1), forms.content);
        count.CompareInteger(RowValue(q, row, 2), record.category);
        count.CompareInteger(RowValue(q, row, 3), record.priority);
        count.DifferIfInteger(RowValue(q, row, 4), record.status);
        return count;
    }

    static std::string InsertStatement(int id, const PLANS& record, const Forms& forms) {
        return "insert into todolist values( " + Number(id) + ", " + Quoted(forms.date) + ", " +
               Quoted(forms.content) + ", " + Number(record.category) + ", " +
               Number(record.priority) + ", " + Number(record.status) + ", " +
               Number(record.locked) + ", CURRENT_TIMESTAMP);";
    }

    static std::string UpdateStatement(int rowId, const PLANS& record, const Forms& forms) {
        return "update todolist set date=" + Quoted(forms.date) +
               ", content=" + Quoted(forms.content) + ", category=" + Number(record.category) +
               ", priority=" + Number(record.priority) + ", status=" + Number(record.status) +
               ", locked=" + Number(record.locked) +
               ", stamp_time=CURRENT_TIMESTAMP where id=" + Number(rowId) + ";";
    }
};

} // namespace

void WriteSchedule(WriterContext& context, const RecordList<SCHEDULE>& list) {
    MergeRecords<ScheduleRules>(context, list);
}

void WriteToDo(WriterContext& context, const RecordList<PLANS>& list) {
    MergeRecords<ToDoRules>(context, list);
}

} // namespace zyntra
