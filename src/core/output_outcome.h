// What an output command (a CAD save, the dimension file, saving the definition) did, for the
// host that runs it: the desktop shows nothing more, the command line reports it.
#pragma once

#include <string>
#include <utility>

namespace brevant {

struct OutputOutcome {
    enum class Status {
        Written,   // the file was written
        Cancelled, // no file was chosen
        Refused,   // the command wrote nothing by its own rules (a message may say why)
        Failed,    // the file could not be written; message names the file and the reason
    };
    Status status = Status::Cancelled;
    std::string message;

    static OutputOutcome Written() { return {Status::Written, {}}; }
    static OutputOutcome Cancelled() { return {Status::Cancelled, {}}; }
    static OutputOutcome Refused(std::string why = {}) { return {Status::Refused, std::move(why)}; }
    static OutputOutcome Failed(std::string message) {
        return {Status::Failed, std::move(message)};
    }

    bool written() const { return status == Status::Written; }
    bool failed() const { return status == Status::Failed; }
};

} // namespace brevant
