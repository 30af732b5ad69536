// The kinds of audio file the tools write, chosen by the output's name
// (.wav, .flac, .ogg, .aiff or .aif, in any case) or by name (--format).
//   wav   32-bit float: whatever the plug-in produced, even beyond full scale
//   flac  24-bit integers, lossless from there
//   ogg   Ogg Vorbis, lossy, encoded from the floats
//   aiff  24-bit integers
// Integers are libsndfile's conversion of the floats: scaled, rounded,
// clipped at full scale, and not dithered.
#pragma once

#include <optional>
#include <string>

enum class AudioFormat { Wav, Flac, Ogg, Aiff };

// "wav", "flac", "ogg" or "aiff".
std::optional<AudioFormat> audioFormatNamed(const std::string& name);
std::optional<AudioFormat> audioFormatOfPath(const std::string& path);
// The format `path` must be written in, given the --format name (empty when
// there is none). Throws cli::UsageError when there is none to be found or
// the two disagree.
AudioFormat chooseAudioFormat(const std::string& path, const std::string& formatName);
// libsndfile's major format and subtype.
int sndfileFormat(AudioFormat format);
