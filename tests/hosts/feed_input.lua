ardour {
	["type"] = "dsp",
	name = "Zarvoline Test Feed",
	description = [[Plays the frames the session script put into shared memory while the transport rolls, silence otherwise]]
}

-- Shared memory, filled by the session script before this runs:
-- int 0 frame count N, int 1 frames played so far, int 2 the transport position
-- of the first frame played, then N left and N right floats.
local kHeader = 3

function dsp_ioconfig () return { { audio_in = 2, audio_out = 2 } } end

function dsp_runmap (bufs, in_map, out_map, n_samples, offset)
	local shm = self:shmem ()
	local total, played = shm:atomic_get_int (0), shm:atomic_get_int (1)
	local take = 0
	if Session:transport_rolling () then take = math.min (n_samples, total - played) end
	for c = 1, 2 do
		local out = bufs:get_audio (out_map:get (ARDOUR.DataType ("audio"), c - 1))
		if take > 0 then
			ARDOUR.DSP.copy_vector (out:data (offset), shm:to_float (kHeader + (c - 1) * total + played), take)
		end
		if take < n_samples then ARDOUR.DSP.memset (out:data (offset + take), 0, n_samples - take) end
	end
	if played == 0 and take > 0 then shm:atomic_set_int (2, Session:transport_sample ()) end
	shm:atomic_set_int (1, played + take)
end
