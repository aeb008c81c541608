// The strip-packing instance reader: the benchmark files as shipped, and malformed samples
// refused with their reason.
#include "nesting/nest_instance.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace brevant {
namespace {

std::string Shipped(const std::string& name) {
    std::ifstream in(std::string(BREVANT_SOURCE_DIR) + "/bench/data/nesting/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(NestInstance, TheBenchmarkInstancesRead) {
    const struct {
        const char* file;
        std::size_t items;
        int copies;
        double height;
        std::size_t orientations;
    } cases[] = {{"mao.json", 9, 20, 2550, 4}, {"shirts.json", 8, 99, 40, 2}};
    for (const auto& c : cases) {
        NestInstance instance;
        std::string error;
        ASSERT_TRUE(ReadNestInstance(Shipped(c.file), instance, error)) << c.file << ": " << error;
        EXPECT_EQ(instance.job.mode, NestMode::kStrip);
        EXPECT_EQ(instance.job.sheetHeight, c.height);
        ASSERT_EQ(instance.job.parts.size(), c.items);
        int copies = 0;
        for (const NestPart& p : instance.job.parts) {
            copies += p.quantity;
            EXPECT_EQ(p.rotations.size(), c.orientations);
            EXPECT_GT(LoopArea(p.shape.outer), 0);
        }
        EXPECT_EQ(copies, c.copies);
    }
}

TEST(NestInstance, AClockwisePolygonIsTurnedAndOrientationsDefaultToNone) {
    NestInstance instance;
    std::string error;
    ASSERT_TRUE(ReadNestInstance(
        R"({"Items": [{"Demand": 3, "Shape": {"Type": "SimplePolygon", "Data": [[0, 0], [0, 2], [5, 2], [5, 0]]}}],
            "Strip": {"Height": 10}})",
        instance, error))
        << error;
    ASSERT_EQ(instance.job.parts.size(), 1u);
    EXPECT_DOUBLE_EQ(LoopArea(instance.job.parts[0].shape.outer), 10);
    EXPECT_EQ(instance.job.parts[0].rotations, std::vector<double>{0});
    EXPECT_EQ(instance.job.parts[0].quantity, 3);
}

TEST(NestInstance, MalformedSamplesAreRefusedWithTheirReason) {
    const std::string item =
        R"({"Demand": 1, "Shape": {"Type": "SimplePolygon", "Data": [[0,0],[1,0],[0,1]]}})";
    const std::string strip = R"("Strip": {"Height": 5})";
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"", "The file is not JSON (at byte 1)."},
        {"{\"Items\": [", "The file is not JSON (at byte 12)."},
        {"[1, 2]", "The file holds no JSON object."},
        {"1e999", "The file holds a number too large to read."},
        {"{" + strip + "}", "\"Items\" must be a list of at least one item."},
        {R"({"Items": [], )" + strip + "}", "\"Items\" must be a list of at least one item."},
        {R"({"Items": [)" + item + "]}", "\"Strip\" is missing."},
        {R"({"Items": [)" + item + R"(], "Strip": {"Height": -1}})",
         "\"Strip\" needs a \"Height\" greater than 0."},
        {R"({"Items": [)" + item + R"(], "Strip": {"Height": "5"}})",
         "\"Strip\" needs a \"Height\" greater than 0."},
        {R"({"Items": [7], )" + strip + "}", "Item 0: it must be an object."},
        {R"({"Items": [{"Demand": -1}], )" + strip + "}",
         "Item 0: \"Demand\" must be a whole number from 0 to 10000."},
        {R"({"Items": [{"Demand": 2.5}], )" + strip + "}",
         "Item 0: \"Demand\" must be a whole number from 0 to 10000."},
        {R"({"Items": [{"Demand": 100000}], )" + strip + "}",
         "Item 0: \"Demand\" must be a whole number from 0 to 10000."},
        {R"({"Items": [{"Demand": 1}], )" + strip + "}", "Item 0: \"Shape\" is missing."},
        {R"({"Items": [{"Demand": 1, "AllowedOrientations": [], "Shape": {}}], )" + strip + "}",
         "Item 0: \"AllowedOrientations\" must be a list of 1 to 360 angles."},
        {R"({"Items": [{"Demand": 1, "AllowedOrientations": ["up"], "Shape": {}}], )" + strip + "}",
         "Item 0: each of \"AllowedOrientations\" must be a number."},
        {R"({"Items": [{"Demand": 1, "Shape": {"Type": "Circle"}}], )" + strip + "}",
         "Item 0: \"Shape\" must be an object whose \"Type\" is \"SimplePolygon\"."},
        {R"({"Items": [{"Demand": 1, "Shape": {"Type": "SimplePolygon", "Data": [[0,0],[1,1]]}}], )" +
             strip + "}",
         "Item 0: \"Data\" must be a list of at least 3 points [x, y]."},
        {R"({"Items": [{"Demand": 1, "Shape": {"Type": "SimplePolygon", "Data": [[0,0],[1,1],[2]]}}], )" +
             strip + "}",
         "Item 0: each point of \"Data\" must be [x, y], two numbers of at most 1e9."},
        {R"({"Items": [{"Demand": 1, "Shape": {"Type": "SimplePolygon", "Data": [[0,0],[1,1],[2,1e300]]}}], )" +
             strip + "}",
         "Item 0: each point of \"Data\" must be [x, y], two numbers of at most 1e9."},
        {R"({"Items": [)" + item + ", " + R"({"Demand": "1"}], )" + strip + "}",
         "Item 1: \"Demand\" must be a whole number from 0 to 10000."},
    };
    for (const auto& c : cases) {
        NestInstance instance;
        std::string error;
        EXPECT_FALSE(ReadNestInstance(c.text, instance, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

} // namespace
} // namespace brevant
