#pragma once
// A unit missing from the order of the units: the layers test must fail on it.
