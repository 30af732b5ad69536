-- Run by ardour7-lua: hosts Zarvoline in an Ardour session on the dummy
-- backend, writes what Ardour sees of it (name, parameters, programs) to a
-- listing, plays the input through program "Studder" and checks that the
-- output equals the reference render sample for sample.
--
-- Where Ardour's host differs from zarvoline-render, nothing the plug-in hears
-- changes, so every sample is compared:
-- * Ardour runs the plug-in with the transport stopped before it rolls; the
--   feed gives those blocks silence, and the song position the plug-in
--   counts on by itself meanwhile gives way to Ardour's frame 0 (checked
--   below) as the transport starts.
-- * Ardour fills only the time fields the plug-in asks for and rounds
--   ppqPos to 1/1920 beat; Zarvoline reads the sample position, rate, tempo
--   and playing flag, which both hosts give exactly, and never ppqPos.
-- * Ardour always processes whole 1024-frame blocks, our host ends on a
--   shorter one: Zarvoline's output does not depend on block boundaries.
-- * As an LV2 plug-in, Zarvoline hears Ardour's time through time:Position
--   objects (frame, speed, tempo) where VST 2 asks for the time record: the
--   frame, tempo and whether the transport rolls are the same numbers.
-- Arguments: INPUT.wav REFERENCE.wav LISTING.txt [FORMAT]; FORMAT is LXVST
-- (the VST 2 library, the default) or LV2 (the bundle, by its URI).
local inputPath, referencePath, listingPath = arg[1], arg[2], arg[3]
local format = arg[4] or "LXVST"
local kLv2Uri = "urn:zarvoline:stutter"
local kRate, kBlock, kTempo, kProgram = 44100, 1024, 120, "Studder"
local kHeader = 3 -- ints before the samples in the test processors' shared memory

-- Stereo 32-bit float WAV, as libsndfile writes it: { frames, left, right }.
local function readWav (path)
	local f = assert (io.open (path, "rb"))
	local bytes = f:read ("a")
	f:close ()
	assert (bytes:sub (1, 4) == "RIFF" and bytes:sub (9, 12) == "WAVE", path .. " is not a WAV file")
	local pos, tag, channels, rate = 13
	while pos + 8 <= #bytes do
		local id, size = bytes:sub (pos, pos + 3), string.unpack ("<I4", bytes, pos + 4)
		if id == "fmt " then
			tag, channels, rate = string.unpack ("<I2I2I4", bytes, pos + 8)
			-- The extensible form names the sample format in its subformat.
			if tag == 0xFFFE then tag = string.unpack ("<I2", bytes, pos + 32) end
		elseif id == "data" then
			assert (tag == 3 and channels == 2 and rate == kRate, path .. " is not stereo float at 44.1 kHz")
			local sound = { frames = size // 8, {}, {} }
			for i = 1, sound.frames do
				sound[1][i], sound[2][i] = string.unpack ("<ff", bytes, pos + i * 8)
			end
			return sound
		end
		pos = pos + 8 + size + size % 2
	end
	error (path .. " has no samples")
end

-- Ardour's list of plug-ins, read from its scanner's cache once the engine runs.
local pluginType = format == "LV2" and ARDOUR.PluginType.LV2 or ARDOUR.PluginType.LXVST
local function findZarvoline ()
	for info in ARDOUR.LuaAPI.list_plugins ():iter () do
		if info.type == pluginType and info.name == "Zarvoline" then return info end
	end
	error ("Ardour's plug-in list has no " .. format .. " Zarvoline: did the scanner run?")
end

-- The channel and frame of the first sample where two sounds differ, or nil.
local function firstDifference (a, b)
	for c = 1, 2 do
		for i = 1, a.frames do
			if a[c][i] ~= b[c][i] then return c, i end
		end
	end
end

local function startEngine ()
	local backend = AudioEngine:set_backend ("None (Dummy)", "", "")
	assert (backend:set_driver ("10x Speed") == 0) -- the same cycles as real time, ten times sooner
	assert (backend:set_device_name ("Silence") == 0)
	assert (AudioEngine:set_sample_rate (kRate) == 0 and AudioEngine:set_buffer_size (kBlock) == 0)
	assert (AudioEngine:start (false) == 0, "the dummy audio engine does not start")
end

local function created (processor, what)
	assert (not processor:isnil (), "Ardour cannot create " .. what)
	return processor
end

-- In this order before the fader: the feed, Zarvoline, the capture.
local function addInOrder (track, processors)
	for index, processor in ipairs (processors) do
		assert (track:add_processor_by_index (processor, index - 1, nil, true) == 0, "Ardour refuses a processor")
	end
end

-- The test processors' shared memory: the frame count, a counter, two channels.
local function sharedFrames (processor, frames)
	local shm = processor:to_insert ():plugin (0):to_luaproc ():shmem ()
	shm:allocate (kHeader + 2 * frames)
	shm:clear ()
	shm:atomic_set_int (0, frames)
	return shm
end

-- Ardour labels a VST program "<number> - <name>", an LV2 preset by its name.
local function presetName (label)
	if format == "LV2" then return label end
	return label:match ("^%d+ %- (.*)$")
end

local function writeListing (zarvoline)
	local out = assert (io.open (listingPath, "w"))
	out:write ("effect ", zarvoline:name (), "\n")
	local n = 0
	for i = 0, zarvoline:parameter_count () - 1 do
		-- LV2 parameters are the control inputs among every port.
		if format ~= "LV2" or (zarvoline:parameter_is_control (i) and zarvoline:parameter_is_input (i)) then
			local _, t = zarvoline:get_parameter_descriptor (i, ARDOUR.ParameterDescriptor ())
			out:write ("parameter ", n, " ", (t[2].label:gsub (" +$", "")), "\n")
			n = n + 1
		end
	end
	for preset in zarvoline:get_info ():get_presets (false):iter () do
		if format == "LV2" then
			out:write ("preset ", preset.label, "\n")
		else
			local number, name = preset.label:match ("^(%d+) %- (.*)$")
			out:write ("program ", number, " ", name, "\n")
		end
	end
	out:close ()
end

local function selectProgram (zarvoline, name)
	for preset in zarvoline:get_info ():get_presets (false):iter () do
		if presetName (preset.label) == name then
			assert (zarvoline:load_preset (preset), "Ardour cannot load program " .. name)
			return
		end
	end
	error ("Ardour lists no program " .. name)
end

startEngine ()
local found = findZarvoline ()
print (string.format ("Ardour found %s in %s: %d in, %d out", found.name, found.path, found.n_inputs:n_audio (),
	found.n_outputs:n_audio ()))
assert (create_session (os.getenv ("ARDOUR_TEST_SESSION"), "zarvoline", kRate), "no session")
local tempo = Temporal.TempoMap.read ():tempo_at (Temporal.timepos_t (0))
assert (tempo:quarter_notes_per_minute () == kTempo, "the session's tempo is not 120 BPM")

-- front () hands out a reference into the list: the list must outlive it.
local tracks = Session:new_audio_track (2, 2, nil, 1, "Zarvoline", ARDOUR.PresentationInfo.max_order,
	ARDOUR.TrackMode.Normal, true)
local track = tracks:front ()
local feed = created (ARDOUR.LuaAPI.new_luaproc (Session, "Zarvoline Test Feed"), "the feed")
local insert = created (ARDOUR.LuaAPI.new_plugin (Session, format == "LV2" and kLv2Uri or "Zarvoline", pluginType, ""),
	"Zarvoline")
local capture = created (ARDOUR.LuaAPI.new_luaproc (Session, "Zarvoline Test Capture"), "the capture")

-- The shared memory is ready before the processors first run.
local input, reference = readWav (inputPath), readWav (referencePath)
assert (reference.frames == input.frames, "the reference is not as long as the input")
assert (firstDifference (input, reference), "the reference render is the input: the comparison would prove nothing")
local fed, kept = sharedFrames (feed, input.frames), sharedFrames (capture, input.frames)
for c = 1, 2 do
	local samples = fed:to_float (kHeader + (c - 1) * input.frames):array ()
	for i = 1, input.frames do samples[i] = input[c][i] end
end
addInOrder (track, { feed, insert, capture })

local zarvoline = insert:to_insert ():plugin (0)
writeListing (zarvoline)
selectProgram (zarvoline, kProgram)

Session:request_roll (ARDOUR.TransportRequestSource.TRS_UI)
-- The engine runs on by itself: wait for the capture to fill.
while kept:atomic_get_int (1) < input.frames do
	assert (AudioEngine:running (), "the audio engine stopped")
	ARDOUR.LuaAPI.usleep (20000)
end
Session:request_stop (false, false, ARDOUR.TransportRequestSource.TRS_UI)
-- Our render host plays from bar 1, frame 0: so must Ardour.
assert (fed:atomic_get_int (2) == 0, "Ardour's transport started at frame " .. fed:atomic_get_int (2))

local captured, heard = kept:to_float (kHeader):array (), { frames = input.frames, {}, {} }
for c = 1, 2 do
	for i = 1, input.frames do heard[c][i] = captured[(c - 1) * input.frames + i] end
end
local c, i = firstDifference (heard, reference)
if c then
	error (string.format ("channel %d frame %d: Ardour %.9g, zarvoline-render %.9g", c, i - 1, heard[c][i],
		reference[c][i]))
end
print (string.format ("Ardour's %d frames equal the reference render", input.frames))
close_session ()
