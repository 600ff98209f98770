#pragma once
// The tables of cases, one function per group; main() runs them in this order.
#include <vector>

#include "framework.h"

namespace e2e {

std::vector<TestCase> harnessCases();
std::vector<TestCase> windowCases();
std::vector<TestCase> focusCases();
std::vector<TestCase> hintCases();
std::vector<TestCase> sendingCases();
std::vector<TestCase> closingCases();
std::vector<TestCase> faultCases();
std::vector<TestCase> scheduleCases();
std::vector<TestCase> aboutCases();
std::vector<TestCase> robustnessCases();
std::vector<TestCase> decorationCases();
std::vector<TestCase> dpiCases();

}  // namespace e2e
