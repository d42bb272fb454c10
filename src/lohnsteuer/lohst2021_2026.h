#pragma once
// The parameter sets of the flowchart versions from 2021, one module each.
// Each set starts from the version before it and changes what the new
// flowchart changed.

#include <memory>

#include "lohnsteuer/generation2013.h"

namespace lst {

const TParameter2013& Parameter2021();
const TParameter2013& Parameter2022jan();
const TParameter2013& Parameter2022();
const TParameter2013& Parameter2023jan();
const TParameter2013& Parameter2023();
const TParameter2013& Parameter2023juli();
const TParameter2013& Parameter2024();
const TParameter2013& Parameter2024dez();
const TParameter2013& Parameter2025jan();
const TParameter2013& Parameter2025();
const TParameter2013& Parameter2026();

}  // namespace lst
