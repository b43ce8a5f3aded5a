#pragma once

// How hard a level is to play, 0 to 100, from the shares of seeds (0 to 1) that each reference
// player holds: 100 x (1 - idle) x (0.1 + 0.9 x max(1 - search, (2 - hasty - steady + 2 x
// (1 - search)) / 4)). A level that holds with nobody building scores 0, one that needs building
// at least 10, and one that neither the idle nor the searching player holds on any seed 100;
// the searching player weighs as much as the two rule-based ones together, so a level that one
// obvious first move solves scores low, and one that even the search barely holds scores high.
int difficulty(double idle, double hasty, double steady, double search);
