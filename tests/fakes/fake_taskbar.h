// A taskbar button whose progress display records what it was shown. The
// record outlives the progress objects it hands out, as the watch drops its
// object when the countdown ends.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "os/taskbar.h"

namespace quellon::test {

class FakeTaskbar {
 public:
  enum class State { NoProgress, Indeterminate, Value };
  struct Shown {
    State state;
    uint64_t completed = 0, total = 0;
    bool operator==(const Shown& o) const {
      return state == o.state && completed == o.completed && total == o.total;
    }
  };

  // The factory the watch is given: null while the system is to have no
  // taskbar list object.
  std::unique_ptr<os::TaskbarProgress> Create() {
    if (!available) return nullptr;
    ++created;
    return std::make_unique<Progress>(*this);
  }

  bool available = true;
  bool accepts = true;       // what every call answers
  int created = 0;
  std::vector<Shown> shown;  // every call, in order

 private:
  class Progress final : public os::TaskbarProgress {
   public:
    explicit Progress(FakeTaskbar& bar) : bar_(bar) {}
    bool SetIndeterminate() override { return Show({State::Indeterminate}); }
    bool SetValue(uint64_t completed, uint64_t total) override { return Show({State::Value, completed, total}); }
    bool SetNoProgress() override { return Show({State::NoProgress}); }

   private:
    bool Show(Shown s) {
      bar_.shown.push_back(s);
      return bar_.accepts;
    }
    FakeTaskbar& bar_;
  };
};

}  // namespace quellon::test
