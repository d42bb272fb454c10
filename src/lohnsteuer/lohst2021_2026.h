#pragma once
// The parameter sets of the flowchart versions from 2021, one module each.
// Each set starts from the version before it and changes what the new
// flowchart changed.

#include <memory>

#include "lohnsteuer/generation2021.h"

namespace lst {

const TParameter2021& Parameter2021();
const TParameter2021& Parameter2022jan();
const TParameter2021& Parameter2022();
const TParameter2021& Parameter2023jan();
const TParameter2021& Parameter2023();
const TParameter2021& Parameter2023juli();
const TParameter2021& Parameter2024();
const TParameter2021& Parameter2024dez();
const TParameter2021& Parameter2025jan();
const TParameter2021& Parameter2025();
const TParameter2021& Parameter2026();

}  // namespace lst
