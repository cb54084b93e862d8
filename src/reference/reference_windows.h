// SPDX-License-Identifier: GPL-3.0-or-later
// Reference, choice and information windows, and the tables they show.
#pragma once

#include "common/table.h"
#include "common/window.h"

namespace velmora {

/// A reference window: its content in one column, without a frame.
Window ReferenceWindow(std::string_view form, std::string_view caption, std::vector<Item> items);

// Tables for the scour calculators (scour_tables.cpp).
const Table& SedimentCoefficientTable();    // E by flood-season sediment concentration
const Table& PierContractionTable();        // lateral contraction coefficient μ of piers
const Table& FoundationDepthMarginTable();  // embedment margins below total scour, non-rock beds
const Table& RockFoundationTable();         // pier scour and embedment on rock
const Table& BendAbutmentScourTable();      // abutment scour along a concave bank
const Table& NonScouringVelocityTable();    // VH1 of non-cohesive soil at 1 m depth
const Window& Form8();
const Window& Form9();
const Window& Form20();
const Window& Form21();
const Window& Form33();
const Window& Form46();

// Roughness of natural channels (roughness_tables.cpp).
const Table& ChannelRoughnessTable();     // 1/n of main channels
const Table& FloodplainRoughnessTable();  // 1/n of floodplains
const Window& Form42();
const Window& Form43();
const Window& Form44();

// Design standards and coefficients (design_tables.cpp).
const Table& FloodFrequencyStandardTable();   // design flood frequency by structure and road
const Table& ChannelWidthCoefficientTable();  // Kq and n3 of the channel-width formula
const Window& Form23();
const Window& Form47();

// Choice windows (choice_windows.cpp).
const Window& Form12();
const Window& Form13();
const Window& Form16();

// Information windows (information_windows.cpp).
const Window& Form7();
const Window& Form22();

}  // namespace velmora
