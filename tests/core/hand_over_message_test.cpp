// The files a second start hands over: names survive whatever bytes they hold, a message cut
// anywhere waits for the rest, and anything else is refused without a large allocation.
#include "core/hand_over_message.h"

#include <gtest/gtest.h>

using namespace brevant;
using Status = HandOverDecode::Status;

TEST(HandOverMessage, NamesSurviveTheRoundTripAndEveryCutWaitsForTheRest) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"/home/ann/jobs/hopper.layout"},
        {"/tmp/with space/a.layout", "/tmp/line\nfeed.layout", "/tmp/end\n", "/tmp/9:x"},
        {std::string(kHandOverMaxNameBytes, 'a')},
    };
    for (const auto& files : cases) {
        const std::string message = EncodeHandOver(files);
        const HandOverDecode d = DecodeHandOver(message);
        ASSERT_EQ(d.status, Status::Complete) << message;
        EXPECT_EQ(d.files, files);
        for (size_t cut = 0; cut < message.size(); ++cut)
            EXPECT_EQ(DecodeHandOver(std::string_view(message).substr(0, cut)).status,
                      Status::Incomplete)
                << "cut at " << cut << " of " << message;
    }
}

TEST(HandOverMessage, AnythingElseIsRefused) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"no length", ":a\nend\n"},
        {"leading zero", "01:a\nend\n"},
        {"empty name", "0:\nend\n"},
        {"name too long", std::to_string(kHandOverMaxNameBytes + 1) + ":"},
        {"huge length", "99999999999:a"},
        {"no line feed after the name", "1:ab\nend\n"},
        {"bytes after the end", "end\nend\n"},
        {"not the end", "eof\n"},
        {"not a message", "GET / HTTP/1.1\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeHandOver(c.bytes).status, Status::Invalid) << c.name;
    std::vector<std::string> many(kHandOverMaxFiles + 1, "/a");
    EXPECT_EQ(DecodeHandOver(EncodeHandOver(many)).status, Status::Invalid) << "too many files";
    many.pop_back();
    EXPECT_EQ(DecodeHandOver(EncodeHandOver(many)).status, Status::Complete);
}
