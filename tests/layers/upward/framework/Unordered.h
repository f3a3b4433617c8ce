#pragma once
// A file missing from the order of the units: the layers test must fail on it.
