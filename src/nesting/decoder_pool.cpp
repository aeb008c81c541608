// The decoder pool: one decoder per thread, the batch handed out one layout at a time.
#include "nesting/decoder_pool.h"

#include <utility>

namespace brevant::nest {

DecoderPool::DecoderPool(int threads, const Model& model, NoFitCache& cache) {
    const int n = threads < 1 ? 1 : threads;
    for (int i = 0; i < n; ++i)
        decoders_.push_back(std::make_unique<Decoder>(model, cache));
    for (std::size_t i = 1; i < decoders_.size(); ++i)
        threads_.emplace_back([this, i] { Serve(i); });
}

DecoderPool::~DecoderPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : threads_)
        t.join();
}

void DecoderPool::Work(Decoder& decoder) {
    for (int i = next_.fetch_add(1); i < count_; i = next_.fetch_add(1)) {
        std::exception_ptr failure;
        try {
            (*job_)(decoder, i);
        } catch (...) {
            failure = std::current_exception();
        }
        std::lock_guard<std::mutex> lock(mutex_);
        if (failure && !failure_) failure_ = failure;
        if (++finished_ == count_) done_.notify_all();
    }
}

void DecoderPool::Serve(std::size_t worker) {
    long long seen = 0;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return quit_ || round_ != seen; });
        if (quit_) return;
        seen = round_;
        ++active_;
        lock.unlock();
        Work(*decoders_[worker]);
        lock.lock();
        if (--active_ == 0) done_.notify_all();
    }
}

void DecoderPool::ForEach(int count, const std::function<void(Decoder&, int)>& job) {
    if (count <= 0) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        job_ = &job;
        count_ = count;
        next_ = 0;
        finished_ = 0;
        ++round_;
    }
    wake_.notify_all();
    Work(*decoders_[0]);
    std::unique_lock<std::mutex> lock(mutex_);
    // No worker may still be inside Work when the next batch resets the counters.
    done_.wait(lock, [&] { return finished_ == count_ && active_ == 0; });
    job_ = nullptr;
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

} // namespace brevant::nest
