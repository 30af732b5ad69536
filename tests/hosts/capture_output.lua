ardour {
	["type"] = "dsp",
	name = "Zarvoline Test Capture",
	description = [[Keeps the first frames that pass while the transport rolls, for the session script to read]]
}

-- Shared memory, sized by the session script before this runs:
-- int 0 frame count N, int 1 frames kept so far, int 2 unused, then N left and
-- N right floats.
local kHeader = 3

function dsp_ioconfig () return { { audio_in = 2, audio_out = 2 } } end

function dsp_runmap (bufs, in_map, out_map, n_samples, offset)
	ARDOUR.DSP.process_map (bufs, ARDOUR.ChanCount (ARDOUR.DataType ("audio"), 2), in_map, out_map, n_samples, offset)
	local shm = self:shmem ()
	local total, kept = shm:atomic_get_int (0), shm:atomic_get_int (1)
	if not Session:transport_rolling () or kept >= total then return end
	local take = math.min (n_samples, total - kept)
	for c = 1, 2 do
		local out = bufs:get_audio (out_map:get (ARDOUR.DataType ("audio"), c - 1))
		ARDOUR.DSP.copy_vector (shm:to_float (kHeader + (c - 1) * total + kept), out:data (offset), take)
	end
	shm:atomic_set_int (1, kept + take)
end
