#pragma once

// How hard a level is to play, 0 to 100, from the shares of seeds (0 to 1) that each reference
// player holds: 100 x (1 - idle) x max(1 - search, (2 - hasty - steady + 2 x (1 - search)) / 4).
// A level that holds with nobody building scores 0, one that the searching player loses on
// every seed scores 100 (as the idle player then loses too), and between them the searching
// player weighs as much as the two rule-based ones together: a level that one first move
// solves scores low, one that even the search barely holds scores high.
int difficulty(double idle, double hasty, double steady, double search);
