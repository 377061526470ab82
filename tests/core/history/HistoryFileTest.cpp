#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryHistoryStorage.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStats.h"

namespace vistrel {
namespace {

using testing::FakeClock;

TEST(HistoryLineTest, ALineReadsBackAndTornOrForeignLinesAreSkipped)
{
    const HistoryRecord rest{FakeClock::at(23, 55, 7, 20000), 8 * 3600, HistoryEvent::Rest, 10};
    EXPECT_EQ(historyLine(rest), "2024-10-04 23:55:07,rest,10,+08:00");
    EXPECT_EQ(parseHistoryLine(historyLine(rest)), rest);
    const HistoryRecord exit{FakeClock::at(1, 2, 3, 20000), -(3 * 3600 + 30 * 60), HistoryEvent::Exit, 0};
    EXPECT_EQ(historyLine(exit), "2024-10-04 01:02:03,exit,,-03:30");

    const ParsedHistory parsed = parseHistory(std::string(kHistoryHeader) +
                                              "\n2024-10-04 08:00:00,start,,+08:00\r\n"
                                              "2024-10-04 08:01:00,rest,,+08:00\n"         // a rest without minutes
                                              "2024-10-04 08:02:00,coffee,,+08:00\n"       // no such event
                                              "2024-10-04 08:03:00,prompt,5,+08:00\n"      // a number where none goes
                                              "2024-10-04 25:03:00,prompt,,+08:00\n"       // no such time
                                              "some,thing,else\n"
                                              "2024-10-04 08:04:00,rest-cut,90,+08:00\n"
                                              "2024-10-04 08:05:00,rest,10,+08:0");        // torn
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.records[1].event, HistoryEvent::RestCut);
    EXPECT_EQ(parsed.records[1].value, 90);
    EXPECT_EQ(parsed.skippedLines, 6);
}

struct HistoryRecorderTest : ::testing::Test {
    FakeClock clock{FakeClock::at(9, 0, 0, 20000)};
    testing::FakeDesktopServices desktop;
    testing::InMemoryHistoryStorage storage;
    HistoryRecorder recorder{storage, clock, desktop};
};

TEST_F(HistoryRecorderTest, TheFirstLineBringsTheHeaderAndATornLineGetsItsEndFirst)
{
    recorder.record(HistoryEvent::Start);
    EXPECT_EQ(storage.current, "time,event,value,utc_offset\n2024-10-04 09:00:00,start,,+00:00\n");

    storage.current = "time,event,value,utc_offset\n2024-10-04 09:00:00,rest,1";  // a crash mid-line
    HistoryRecorder next{storage, clock, desktop};
    next.record(HistoryEvent::Start);
    next.record(HistoryEvent::Exit);
    const ParsedHistory parsed = parseHistory(storage.current);
    EXPECT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.skippedLines, 1);
}

TEST_F(HistoryRecorderTest, PastAMegabyteTheFileRollsOverWithNoLineLost)
{
    int written = 0;
    int inFirstFile = 0;
    while (storage.rollOvers < 2) {
        if (storage.rollOvers == 0) inFirstFile = written;
        recorder.record(HistoryEvent::Prompt);
        ++written;
        EXPECT_LE(storage.current.size(), HistoryRecorder::kRollBytes);
    }
    // The second roll replaced the first file; every line since is whole and in one of the two.
    const ParsedHistory both = parseHistory(storage.old + storage.current);
    EXPECT_EQ(both.skippedLines, 0);
    EXPECT_EQ(static_cast<int>(both.records.size()), written - inFirstFile);
    EXPECT_EQ(storage.current.rfind(kHistoryHeader, 0), 0u);
}

TEST_F(HistoryRecorderTest, OffOrFailedForTheRunNothingIsWritten)
{
    recorder.setEnabled(false);
    recorder.record(HistoryEvent::Start);
    recorder.setEnabled(true);
    recorder.disableForRun();
    recorder.record(HistoryEvent::Start);
    EXPECT_EQ(storage.current, "");
}

}  // namespace
}  // namespace vistrel
