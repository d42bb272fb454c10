#pragma once
// The wage-tax programs of the flowcharts 2014 to 2020, one module a version.
// They run on the generation of 2013 to 2026 (generation2013.h): the flow is
// the same, only the rates, the surcharge steps and the outputs differ.  Each set starts from the version before it.

#include <memory>

#include "lohnsteuer/generation2013.h"
#include "lohnsteuer/programm.h"

namespace lst {

const TParameter2013& Parameter2014();
const TParameter2013& Parameter2015();
const TParameter2013& Parameter2015dez();
const TParameter2013& Parameter2016();
const TParameter2013& Parameter2017();
const TParameter2013& Parameter2018();
const TParameter2013& Parameter2019();
const TParameter2013& Parameter2020();

}  // namespace lst
