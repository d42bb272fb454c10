#pragma once
// The parameter sets of the flowcharts 2010 to 2012 on the generation of 2013
// (generation2013.h): the 2013 flow with the constants of each year, and 2010
// and 2011 without a few steps of 2013.  2010 is the first set; each later
// one starts from the year before it, and 2013 from 2012.

#include "lohnsteuer/generation2013.h"

namespace lst {

const TParameter2013& Parameter2010();
const TParameter2013& Parameter2011();
const TParameter2013& Parameter2012();

}  // namespace lst
