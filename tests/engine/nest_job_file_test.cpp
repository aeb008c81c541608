// The nest job file: a job written and read back unchanged (part files relative to the job's
// folder, a kept part with its arcs and holes), and malformed samples refused with their reason.
#include "engine/nest_job_file.h"

#include <gtest/gtest.h>

namespace brevant {
namespace {

NestJobSettings SampleJob() {
    NestJobSettings s;
    s.units = kMillimeters;
    s.sheetWidth = 2500;
    s.sheetHeight = 1250.5;
    s.clearance = 12.7;
    s.rotations = "0,180";
    s.seconds = 30;
    s.parts.push_back({"/shop/jobs/cones/hopper-cone.layout", "", {}, 20});
    s.parts.push_back({"/elsewhere/plate.dxf", "", {}, 3});
    NestJobEntry kept;
    kept.name = "hopper \"A\"";
    kept.quantity = 2;
    NestPart piece;
    piece.name = kept.name;
    piece.quantity = 4;
    piece.shape.outer = {{0, 0, 0}, {10, 0, 0.41421356237309503}, {10, 5, 0}, {0, 5, 0}};
    piece.shape.holes = {{{2, 2, 0}, {2, 3, -1}, {2.5, 2.5, 0}}};
    kept.pieces.push_back(piece);
    s.parts.push_back(kept);
    return s;
}

TEST(NestJobFile, AJobReadsBackAsWritten) {
    const NestJobSettings s = SampleJob();
    const std::string text = NestJobText(s, "/shop/jobs").value_or("");
    EXPECT_NE(text.find("\"file\": \"cones/hopper-cone.layout\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"file\": \"/elsewhere/plate.dxf\""), std::string::npos) << text;
    NestJobSettings back;
    std::string error;
    // Read from where the job was moved to, the relative part moves with it.
    ASSERT_TRUE(ReadNestJobText(text, "/moved", back, error)) << error;
    EXPECT_EQ(back.units, s.units);
    EXPECT_EQ(back.sheetWidth, s.sheetWidth);
    EXPECT_EQ(back.sheetHeight, s.sheetHeight);
    EXPECT_EQ(back.clearance, s.clearance);
    EXPECT_EQ(back.rotations, s.rotations);
    EXPECT_EQ(back.seconds, s.seconds);
    ASSERT_EQ(back.parts.size(), 3u);
    EXPECT_EQ(back.parts[0].file, "/moved/cones/hopper-cone.layout");
    EXPECT_EQ(back.parts[0].quantity, 20);
    EXPECT_EQ(back.parts[1].file, "/elsewhere/plate.dxf");
    const NestJobEntry& kept = back.parts[2];
    EXPECT_EQ(kept.file, "");
    EXPECT_EQ(kept.name, s.parts[2].name);
    EXPECT_EQ(kept.quantity, 2);
    ASSERT_EQ(kept.pieces.size(), 1u);
    EXPECT_EQ(kept.pieces[0].quantity, 4);
    const NestShape& want = s.parts[2].pieces[0].shape;
    const NestShape& got = kept.pieces[0].shape;
    ASSERT_EQ(got.outer.size(), want.outer.size());
    for (std::size_t i = 0; i < want.outer.size(); ++i) {
        EXPECT_EQ(got.outer[i].x, want.outer[i].x);
        EXPECT_EQ(got.outer[i].y, want.outer[i].y);
        EXPECT_EQ(got.outer[i].bulge, want.outer[i].bulge);
    }
    ASSERT_EQ(got.holes.size(), 1u);
    EXPECT_DOUBLE_EQ(ShapeArea(got), ShapeArea(want));
}

TEST(NestJobFile, MalformedSamplesAreRefusedWithTheirReason) {
    const std::string head = R"({"BrevantNestJob": 1, "units": "in", "sheet": {"width": 96, )"
                             R"("height": 48}, "clearance": 0.5, "rotations": "90", "time": 10, )";
    const std::string piece = R"({"quantity": 1, "outer": [[0,0,0],[1,0,0],[0,1,0]]})";
    auto kept = [&](const std::string& pieces) {
        return head + R"("parts": [{"name": "p", "quantity": 1, "pieces": [)" + pieces + "]}]}";
    };
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"", "The file is not JSON (at byte 1)."},
        {"[1]", "The file holds no JSON object."},
        {"1e999", "The file holds a number too large to read."},
        {R"({"Items": []})", "The file is not a Brevant nest job."},
        {R"({"BrevantNestJob": 2})", "The file is a nest job of another version (2)."},
        {R"({"BrevantNestJob": 1, "units": "ft"})", "\"units\" must be \"in\", \"cm\" or \"mm\"."},
        {R"({"BrevantNestJob": 1, "units": "in", "sheet": {"width": 0, "height": 4}})",
         "\"sheet\" needs a \"width\" and a \"height\" greater than 0."},
        {R"({"BrevantNestJob": 1, "units": "in", "sheet": [96, 48]})",
         "\"sheet\" needs a \"width\" and a \"height\" greater than 0."},
        {R"({"BrevantNestJob": 1, "units": "in", "sheet": {"width": 96, "height": 48},
             "clearance": -1})",
         "\"clearance\" must be a number of at least 0."},
        {R"({"BrevantNestJob": 1, "units": "in", "sheet": {"width": 96, "height": 48},
             "clearance": 0, "rotations": 90})",
         "\"rotations\" must be a step in degrees or angles separated by commas, as text."},
        {R"({"BrevantNestJob": 1, "units": "in", "sheet": {"width": 96, "height": 48},
             "clearance": 0, "rotations": "90", "time": 0.5})",
         "\"time\" must be 1 to 3600 seconds."},
        {head + R"("parts": 5})", "\"parts\" must be a list of at most 1000 parts."},
        {head + R"("parts": [3]})", "Part 1: it must be an object."},
        {head + R"("parts": [{"file": "a.layout", "quantity": 0}]})",
         "Part 1: \"quantity\" must be a whole number from 1 to 10000."},
        {head + R"("parts": [{"file": "a.layout", "quantity": 1.5}]})",
         "Part 1: \"quantity\" must be a whole number from 1 to 10000."},
        {head + R"("parts": [{"file": "", "quantity": 1}]})",
         "Part 1: \"file\" must be a file name of 1 to 4096 characters."},
        {head + R"("parts": [{"quantity": 1}]})",
         "Part 1: \"name\" must be a text of at most 256 characters."},
        {kept(""), "Part 1: \"pieces\" must be a list of 1 to 1000 pieces."},
        {kept(R"({"quantity": 1})"), "Part 1: a piece's \"outer\" is missing."},
        {kept(R"({"quantity": 0, "outer": []})"),
         "Part 1: a piece's \"quantity\" must be a whole number from 1 to 100000."},
        {kept(R"({"quantity": 1, "outer": [[0,0,0]]})"),
         "Part 1: an outline must be a list of at least 2 vertices."},
        {kept(R"({"quantity": 1, "outer": [[0,0,0],[1,0,2],[0,1,0]]})"),
         "Part 1: each vertex must be [x, y, bulge], numbers of at most 1e9 and a bulge from -1 "
         "to 1."},
        {kept(R"({"quantity": 1, "outer": [[0,0,0],[1,0,0],[2,0,0]]})"),
         "Part 1: an outline encloses no area."},
        {kept(piece + R"(, {"quantity": 1, "outer": [[0,0,0],[1,0,0],[0,1,0]], "holes": 5})"),
         "Part 1: a piece's \"holes\" must be a list of outlines."},
        {kept(R"({"quantity": 1, "outer": [[0,0,0],[1,0,0],[0,1,0]], "holes": [[[0,0,0]]]})"),
         "Part 1: an outline must be a list of at least 2 vertices."},
    };
    for (const auto& c : cases) {
        NestJobSettings s;
        std::string error;
        EXPECT_FALSE(ReadNestJobText(c.text, "/jobs", s, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_TRUE(s.parts.empty());
    }
    NestJobSettings s;
    std::string error;
    EXPECT_TRUE(ReadNestJobText(kept(piece), "/jobs", s, error)) << error;
}

TEST(NestJobFile, TooManyVerticesAreRefused) {
    std::string outer = "[";
    for (std::size_t i = 0; i <= kMostNestJobVertices; ++i)
        outer += (i ? ",[" : "[") + std::to_string(i % 2) + "," + std::to_string(i) + ",0]";
    outer += "]";
    const std::string text =
        R"({"BrevantNestJob": 1, "units": "in", "sheet": {"width": 96, "height": 48}, )"
        R"("clearance": 0, "rotations": "90", "time": 10, "parts": [{"name": "p", "quantity": 1, )"
        R"("pieces": [{"quantity": 1, "outer": )" +
        outer + "}]}]}";
    NestJobSettings s;
    std::string error;
    EXPECT_FALSE(ReadNestJobText(text, "", s, error));
    EXPECT_EQ(error, "Part 1: the parts have more than 200000 vertices.");
}

TEST(NestJobFile, FileErrorsNameTheFile) {
    NestJobSettings s;
    std::string error;
    EXPECT_FALSE(ReadNestJobFile("/no/such/job.nestjob", s, error));
    EXPECT_EQ(error, "Cannot read \"/no/such/job.nestjob\": no such file");
    EXPECT_FALSE(WriteNestJobFile("/no/such/folder/job.nestjob", SampleJob(), error));
    EXPECT_EQ(error.rfind("Cannot write \"/no/such/folder/job.nestjob\"", 0), 0u) << error;
}

TEST(NestJobFile, ANameJsonCannotHoldIsRefusedAndNothingIsWritten) {
    NestJobSettings job = SampleJob();
    job.parts[2].name = "cone \xff";
    const std::string path = ::testing::TempDir() + "/brevant-bad-name.nestjob";
    std::string error;
    EXPECT_FALSE(WriteNestJobFile(path, job, error));
    EXPECT_EQ(error,
              "Cannot write \"" + path + "\": a part's name or file name is not valid UTF-8");
    NestJobSettings none;
    EXPECT_FALSE(ReadNestJobFile(path, none, error));
}

} // namespace
} // namespace brevant
