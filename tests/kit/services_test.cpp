#include "kit/ui_services.h"
#include "tests/support/ui_doubles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zyntra {
namespace {

TEST(QuestionTest, ScriptedAnswersInOrderThenCancelAndEveryTextRecorded) {
    ScriptedQuestion question;
    question.QueueAnswer(true);
    question.QueueAnswer(false);

    EXPECT_TRUE(question.AskCaptioned("Zyntra", "export first?"));
    EXPECT_FALSE(question.Ask("second"));
    EXPECT_FALSE(question.Ask("unscripted"));
    question.SetFallbackAnswer(true);
    EXPECT_TRUE(question.Ask("fallback changed"));

    ASSERT_EQ(question.Asked().size(), 4u);
    EXPECT_EQ(question.Asked()[0].caption, "Zyntra");
    EXPECT_EQ(question.Asked()[0].text, "export first?");
    EXPECT_EQ(question.Asked()[2].caption, "");
}

TEST(PasswordDialogTest, ScriptedPasswordsThenCancelWithTheTextsOfEachShowing) {
    ScriptedPasswordDialog dialog;
    dialog.QueuePassword("secret");
    dialog.QueuePassword("");
    const DialogTexts texts{"Zyntra", "Password:", "OK", "Cancel"};

    EXPECT_EQ(dialog.Run(texts), "secret");
    EXPECT_EQ(dialog.Run(texts), "") << "OK with an empty field is not a cancel";
    EXPECT_EQ(dialog.Run(texts), std::nullopt);
    EXPECT_EQ(dialog.Shown(), std::vector<DialogTexts>(3, texts));
}

TEST(InputMethodDialogTest, ChoiceAsOpenedOrOutsideTheListAndCancel) {
    ScriptedInputMethodDialog dialog;
    const std::vector<std::string> names{"Zhuyin", "Cangjie"};
    dialog.QueueChoice(1);
    dialog.QueueOkAsOpened();
    dialog.QueueChoice(5);

    EXPECT_EQ(dialog.Run({}, names, 0), 1);
    EXPECT_EQ(dialog.Run({}, names, 0), 0);
    EXPECT_EQ(dialog.Run({}, names, 0), -1) << "OK with no item chosen";
    EXPECT_EQ(dialog.Run({}, names, 0), std::nullopt);
    ASSERT_EQ(dialog.Requests().size(), 4u);
    EXPECT_EQ(dialog.Requests()[0].names, names);
}

TEST(TimeRangeDialogTest, ListsGiveOnlyFiveMinuteStepsAndAsOpenedKeepsTheRoundedTimes) {
    EXPECT_EQ(ItemsForTimeRange({{14, 37}, {23, 59}}), (TimeRangeItems{14, 7, 23, 11}));
    EXPECT_EQ(ItemsForTimeRange({{24, -1}, {0, 60}}), (TimeRangeItems{-1, -1, 0, -1}));

    ScriptedTimeRangeDialog dialog;
    dialog.QueueOkAsOpened();
    dialog.QueueOk({{10, 7}, {9, 55}});
    const TimeDialogTexts texts{"Zyntra", "Start", "End", "OK", "Cancel"};

    EXPECT_EQ(dialog.Run(texts, {{14, 37}, {15, 2}}), (TimeRange{{14, 35}, {15, 0}}));
    EXPECT_EQ(dialog.Run(texts, {}), (TimeRange{{10, 5}, {9, 55}}));
    EXPECT_EQ(dialog.Run(texts, {}), std::nullopt);
    ASSERT_EQ(dialog.Requests().size(), 3u);
    EXPECT_EQ(dialog.Requests()[0].texts, texts);
    EXPECT_EQ(dialog.Requests()[0].working, (TimeRange{{14, 37}, {15, 2}}));
}

TEST(ClassTimeDialogTest, TwelveHourListsAndHourZeroChoosesNoItem) {
    // 13:30 to 14:15 as the caller hands them over: 1:30 PM to 2:15 PM.
    const ClockTimeRange afternoon{{1, 30, true}, {2, 15, true}};
    EXPECT_EQ(ItemsForClockTimes(afternoon), (ClockTimeItems{0, 6, 1, 1, 3, 1}));
    EXPECT_EQ(ClockTimesFromItems(ItemsForClockTimes(afternoon)), afternoon);

    ScriptedClassTimeDialog dialog;
    dialog.QueueOkAsOpened();
    dialog.QueueOk({{12, 0, false}, {13, 5, true}});

    const auto midnight = dialog.Run({}, {{0, 0, false}, {0, 45, true}});
    ASSERT_TRUE(midnight.has_value());
    EXPECT_EQ(midnight->start, (ClockTime{0, 0, false})) << "no hour item, read back as 0";
    EXPECT_EQ(midnight->end, (ClockTime{0, 45, true}));
    const auto chosen = dialog.Run({}, {});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->start, (ClockTime{12, 0, false}));
    EXPECT_EQ(chosen->end, (ClockTime{0, 5, true})) << "13 is no item of the hour list";
    EXPECT_EQ(dialog.Run({}, {}), std::nullopt);
}

TEST(WaitCursorTest, NestedScopesRestoreWhatTheyFoundAndExtraPopsAreHarmless) {
    RecordingWaitCursor cursor;
    {
        WaitCursorScope outer(cursor);
        {
            WaitCursorScope inner(cursor);
            EXPECT_EQ(cursor.Depth(), 2);
            cursor.SetShape(CursorShape::Default); // an operation that puts the arrow back
        }
        EXPECT_EQ(cursor.Shape(), CursorShape::Wait) << "the inner scope restores what it found";
    }
    EXPECT_EQ(cursor.Shape(), CursorShape::Default);
    EXPECT_EQ(cursor.Depth(), 0);
    cursor.Pop();
    EXPECT_EQ(cursor.Shape(), CursorShape::Default);

    using enum CursorShape;
    EXPECT_EQ(cursor.History(), (std::vector<CursorShape>{Wait, Wait, Default, Wait, Default}));
}

TEST(PendingEventsTest, EachCallRunsTheNextScriptedActionOnce) {
    ScriptedPendingEvents events;
    std::vector<std::string> done;
    events.QueueAction([&] {
        done.push_back("click");
        events.ProcessPendingEvents(); // an action that lets events through itself
    });
    events.QueueAction([&] { done.push_back("second"); });

    events.ProcessPendingEvents();
    events.ProcessPendingEvents();

    EXPECT_EQ(done, (std::vector<std::string>{"click", "second"}));
    EXPECT_EQ(events.Calls(), 3);
}

TEST(ClockTest, FixedClockAdvancesAcrossDaysMonthsAndYears) {
    FixedClock clock({{2010, 12, 31}, {23, 59, 30}});
    EXPECT_EQ(clock.Today(), (PlainDate{2010, 12, 31}));

    clock.AdvanceSeconds(45);
    EXPECT_EQ(clock.Now(), (PlainDateTime{{2011, 1, 1}, {0, 0, 15}}));
    clock.AdvanceSeconds(-86400LL * 366);
    EXPECT_EQ(clock.Now(), (PlainDateTime{{2009, 12, 31}, {0, 0, 15}}));
    clock.Set({{2012, 2, 28}, {12, 0, 0}});
    clock.AdvanceSeconds(86400);
    EXPECT_EQ(clock.Today(), (PlainDate{2012, 2, 29}));

    const PlainDateTime now = SystemClock().Now();
    EXPECT_TRUE(IsValidDate(now.date));
    EXPECT_TRUE(IsValidTime(now.time));
}

TEST(HeadlessUiServicesTest, ServicesReachTheOwnedHeadlessOnes) {
    HeadlessUiServices headless;
    headless.question.QueueAnswer(true);
    UiServices services = headless.Services();

    services.messages.Show("SM_SyncOK text");
    EXPECT_TRUE(services.question.Ask("go?"));
    services.waitCursor.Push();

    EXPECT_EQ(headless.messages.Shown().at(0).text, "SM_SyncOK text");
    EXPECT_EQ(headless.question.Asked().size(), 1u);
    EXPECT_EQ(headless.waitCursor.Depth(), 1);
    EXPECT_EQ(&services.clock, &headless.clock);
}

} // namespace
} // namespace zyntra
