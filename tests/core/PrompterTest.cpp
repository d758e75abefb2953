#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedPrompterTest, AnswersFromItsQueueAndRecordsEveryPrompt) {
    ScriptedPrompter p;
    p.Enqueue(Prompt::kYes);
    p.Enqueue(Prompt::kRetry);
    EXPECT_EQ(p.ShowPrompt("C", "info", Prompt::kInfo), Prompt::kOk);
    EXPECT_EQ(p.ShowPrompt("C", "save?", Prompt::kYesNo), Prompt::kYes);
    EXPECT_EQ(p.ShowPrompt("C", "again?", Prompt::kRetryCancel), Prompt::kRetry);
    EXPECT_EQ(p.ShowPrompt("C", "empty queue", Prompt::kYesNo), Prompt::kNo);
    EXPECT_EQ(p.ShowPrompt("C", "empty queue", Prompt::kRetryCancel), Prompt::kCancel);
    EXPECT_EQ(p.ShowPrompt("C", "unknown kind", static_cast<Prompt::Kind>(5)), Prompt::kOk);
    ASSERT_EQ(p.Log().size(), 5);
    EXPECT_EQ(p.Log()[1].text, "save?");
    EXPECT_EQ(p.Log()[2].kind, Prompt::kRetryCancel);
}

} // namespace
