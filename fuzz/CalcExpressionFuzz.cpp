// Fuzz target: any bytes typed into a numeric field, through the front end and straight into
// the evaluator class.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "expr/CalcExpression.h"
#include "expr/MathString.h"
#include "expr/TrimZeros.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // The fields format whatever comes back; it must always be a finite number.
    if (!std::isfinite(mw::CalcExpression(text))) std::abort();

    // The class without the front end sees brackets, capitals and bytes the front end removes;
    // every step runs whatever the one before answered, as a careless caller would.
    mw::CMathString expression;
    const bool set = expression.SetExpression(text.c_str());
    const bool checked = expression.CheckExpression();
    const bool converted = expression.ToPostfix();
    if (expression.Evaluate() == mw::kMathOk && !(set && checked && converted)) std::abort();

    mw::TrimZeros(text);
    return 0;
}
