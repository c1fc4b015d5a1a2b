#include "personal/field_comparison.h"
#include "personal/writer_support.h"

namespace zyntra {
namespace {

struct ScheduleRules {
    using Record = SCHEDULE;
    using Forms = FieldValues;
    static constexpr int kThreshold = 4;
    static inline const int kIdColumn = ScheduleStatements().find.PositionOf(kRowIdColumn);
    static constexpr const char* kTable = kScheduleFields.table;
    static constexpr RecordKind kKind = RecordKind::Schedule;
    static constexpr const char* kCountStatement = "select count(id) from schedule;";
    static constexpr const char* kMaxStatement = "select max(id) from schedule;";

    static Forms MakeForms(const SCHEDULE& record) { return WriterValues(kScheduleFields, record); }

    static std::string ShortName(const SCHEDULE& record) {
        return record.date + " " + record.start_time + " " + record.content;
    }

    static BoundStatement FindStatement(const Forms& forms) {
        return ScheduleStatements().Find(forms);
    }

    // With the date as key, a match needs start, end and content equal; the alarm can only
    // differ, and locked is not compared.
    static MatchCount Compare(const DbRows& rows, int row, const SCHEDULE& record,
                              const Forms& forms) {
        static const ComparedFields<SCHEDULE> compared{
            kScheduleFields, kScheduleFields.Pick({"start_time", "end_time", "content"}),
            kScheduleFields.Pick({"alarm", "alarm_BStime"})};
        return compared.Count(ScheduleStatements().find, rows, row, record, forms);
    }

    static BoundStatement InsertStatement(int id, const SCHEDULE&, const Forms& forms) {
        return ScheduleStatements().Insert(id, forms);
    }

    static BoundStatement UpdateStatement(int rowId, const SCHEDULE&, const Forms& forms) {
        return ScheduleStatements().Update(rowId, forms);
    }
};

struct ToDoRules {
    using Record = PLANS;
    using Forms = FieldValues;
    static constexpr int kThreshold = 3;
    static inline const int kIdColumn = ToDoStatements().find.PositionOf(kRowIdColumn);
    static constexpr const char* kTable = kToDoFields.table;
    static constexpr RecordKind kKind = RecordKind::ToDo;
    static constexpr const char* kCountStatement = "select count(id) from todolist;";
    static constexpr const char* kMaxStatement = "select max(id) from todolist;";

    static Forms MakeForms(const PLANS& record) { return WriterValues(kToDoFields, record); }

    static std::string ShortName(const PLANS& record) { return record.date + " " + record.content; }

    static BoundStatement FindStatement(const Forms& forms) { return ToDoStatements().Find(forms); }

    static MatchCount Compare(const DbRows& rows, int row, const PLANS& record,
                              const Forms& forms) {
        static const ComparedFields<PLANS> compared{
            kToDoFields, kToDoFields.Pick({"content", "category", "priority"}),
            kToDoFields.Pick({"status"})};
        return compared.Count(ToDoStatements().find, rows, row, record, forms);
    }

    static BoundStatement InsertStatement(int id, const PLANS&, const Forms& forms) {
        return ToDoStatements().Insert(id, forms);
    }

    static BoundStatement UpdateStatement(int rowId, const PLANS&, const Forms& forms) {
        return ToDoStatements().Update(rowId, forms);
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
