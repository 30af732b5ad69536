// The two number formats of the parameter displays: whole frame counts and
// fractional ones, eight characters at most (with "Huge!" beyond that).
#pragma once

// Right-aligned in seven places, or "Huge!" from 100000000 on.
void longText(long value, char* text);
// Eight characters of sign, digits and point: the integer digits first, then
// as many decimals as still fit, each digit cut rather than rounded.
void floatText(float value, char* text);
