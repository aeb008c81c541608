// The table of texts for input/output error numbers and geometry status codes.
#include "core/io_error_text.h"

#include <string_view>
#include <utility>

namespace brevant {
namespace {

constexpr std::pair<int, std::string_view> kErrorTexts[] = {
    {2, "FILE NOT FOUND"},
    {3, "PATH NOT FOUND"},
    {5, "FILE ACCESS DENIED"},
    {6, "Library Requires Seperate Data Segments"},
    {10, "Wrong Windows Version"},
    {11, "Invalid .EXE File"},
    {12, "OS/2 Application"},
    {13, "Dos 4.0 Application"},
    {14, "Unknown .EXE Type"},
    {15, "Earlier Windows Version"},
    {16, "Can't Load Second Instance"},
    {17, "EMS Error on Second Loading"},
    {18, "Can't Load Protected Mode Program"},
    {32, "File Open by Another App"},
    {100, "ATTEMPT TO READ PAST END OF FILE"},
    {101, "DISK IS FULL"},
    {102, "FILE NOT ASSIGNED"},
    {103, "FILE NOT OPEN"},
    {104, "FILE NOT OPEN FOR INPUT"},
    {105, "FILE NOT OPEN FOR OUTPUT"},
    {106, "INVALID NUMERIC FORMAT"},
    {150, "DISK IS WRITE PROTECTED"},
    {151, "UNKNOWN DRIVE"},
    {152, "DRIVE NOT READY"},
    {153, "UNKNOWN COMMAND"},
    {154, "CRC ERROR IN DATA"},
    {155, "BAD DRIVE REQUEST STRUCTURE LENGTH"},
    {156, "DISK SEEK ERROR"},
    {157, "UNKNOWN MEDIA TYPE"},
    {158, "SECTOR NOT FOUND"},
    {159, "PRINTER OUT OF PAPER"},
    {160, "DEVICE WRITE FAULT"},
    {161, "DEVICE READ FAULT"},
    {162, "HARDWARE FAILURE"},
    // The geometry status codes, with the same texts the geometry routines use.
    {902, "PARALLEL LINES"},
    {903, "UNDEFINED LINE"},
    {904, "ARC DOES NOT INTERSECT"},
    {905, "RADIUS DOES NOT INTERSECT"},
    {906, "CONCENTRIC CIRCLES"},
    {907, "CAN'T ALLOCATE MEMORY"},
    {908, "3 POINTS ON SAME LINE"},
};

} // namespace

std::string IOErrorText(int code) {
    for (const auto& [number, text] : kErrorTexts) {
        if (number == code) return std::string(text);
    }
    return {};
}

} // namespace brevant

namespace brevant {

std::string ReadErrorText(const std::string& path, const std::string& reason) {
    return "Cannot read \"" + path + "\": " + reason;
}

std::string WriteErrorText(const std::string& path, const std::string& reason) {
    return "Cannot write \"" + path + "\": " + reason;
}

} // namespace brevant
