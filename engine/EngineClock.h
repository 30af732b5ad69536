// What the host tells the engine about time at the start of a block: whether
// it told anything at all, where the song is, how fast it runs, and whether
// its transport plays. Each plug-in format fills it from its own time record.
#pragma once

struct EngineClock {
    bool known = false;         // false: the host gave no time; the last timing stays
    bool playing = false;       // the position follows the host; else it runs on by itself
    double samplePosition = 0;  // song position, in frames, of the block's first frame
    double sampleRate = 0;      // frames per second; not positive: unknown
    double tempo = 0;           // beats per minute; below one: the last tempo stays
};
