/* For measuring the game's idle processor use with music on a machine without a sound device
 * (bench/idle-cpu.sh preloads it): where the game asks fluidsynth for its "pulseaudio" driver,
 * it gets fluidsynth's "file" driver instead, writing raw samples to /dev/null and paced in
 * real time by fluidsynth's own timer, so the synthesiser does exactly the work it does for a
 * sound card. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <string.h>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef int (*SetString)(fluid_settings_t*, const char*, const char*);

int fluid_settings_setstr(fluid_settings_t* settings, const char* name, const char* value)
{
    static SetString real;
    if (!real) {
        /* Loaded by now: the game calls this only once the synthesiser is there. */
        void* fluidsynth = dlopen("libfluidsynth.so.3", RTLD_NOLOAD | RTLD_LAZY);
        real = fluidsynth ? (SetString)dlsym(fluidsynth, "fluid_settings_setstr") : NULL;
        if (!real)
            return -1;
    }
    if (strcmp(name, "audio.driver") == 0 && strcmp(value, "pulseaudio") == 0) {
        real(settings, "audio.file.name", "/dev/null");
        real(settings, "audio.file.type", "raw");
        value = "file";
    }
    return real(settings, name, value);
}
