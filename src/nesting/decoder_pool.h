// Placement decoders on worker threads: a batch of layouts is decoded by every worker and
// the calling thread together, each taking the next layout of the batch until none is left.
#pragma once

#include "nesting/bottom_left.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace brevant::nest {

class DecoderPool {
public:
    // threads: the workers in all, the calling thread included (at least 1).
    DecoderPool(int threads, const Model& model, NoFitCache& cache);
    ~DecoderPool();
    DecoderPool(const DecoderPool&) = delete;
    DecoderPool& operator=(const DecoderPool&) = delete;

    // Calls job(decoder, i) for every i in [0, count), spread over the threads; returns when
    // every call has returned. An exception thrown by a call is thrown again here.
    void ForEach(int count, const std::function<void(Decoder&, int)>& job);
    int Threads() const { return static_cast<int>(decoders_.size()); }

private:
    void Serve(std::size_t worker);
    void Work(Decoder& decoder);

    std::vector<std::unique_ptr<Decoder>> decoders_; // [0] is the calling thread's
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void(Decoder&, int)>* job_ = nullptr;
    int count_ = 0;
    std::atomic<int> next_{0};
    int finished_ = 0;
    int active_ = 0;
    long long round_ = 0;
    bool quit_ = false;
    std::exception_ptr failure_;
};

} // namespace brevant::nest
