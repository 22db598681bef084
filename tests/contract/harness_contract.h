// The shape of a contract suite over a harness: one parameter per
// implementation, naming its run and making a fresh harness for each case.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace quellon::test {

template <typename Harness>
struct HarnessParam {
  std::string name;
  std::function<std::unique_ptr<Harness>()> make;
};

// Names the run in test listings.
template <typename Harness>
void PrintTo(const HarnessParam<Harness>& param, std::ostream* os) {
  *os << param.name;
}

template <typename Harness>
class HarnessContract : public testing::TestWithParam<HarnessParam<Harness>> {
 public:
  static std::string Name(const testing::TestParamInfo<HarnessParam<Harness>>& info) { return info.param.name; }

 protected:
  void SetUp() override { h_ = this->GetParam().make(); }
  void TearDown() override { h_.reset(); }
  Harness& H() { return *h_; }

 private:
  std::unique_ptr<Harness> h_;
};

// The run of one implementation, named.
template <typename Harness, typename Implementation>
HarnessParam<Harness> Run(const std::string& name) {
  return {name, [] { return std::unique_ptr<Harness>(std::make_unique<Implementation>()); }};
}

}  // namespace quellon::test
