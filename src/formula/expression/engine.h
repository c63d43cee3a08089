// What a host of the expression engine needs: nodes, literals, functions,
// the parser, the failures and the number texts.
#pragma once

#include "formula/expression/errors.h"
#include "formula/expression/expression.h"
#include "formula/expression/float_checks.h"
#include "formula/expression/function.h"
#include "formula/expression/i_value.h"
#include "formula/expression/literals.h"
#include "formula/expression/number_text.h"
#include "formula/expression/operator_code.h"
#include "formula/expression/parser.h"
#include "formula/expression/value_type.h"
