/* Counts PNG decodes in a process: preloaded, it wraps libpng's png_create_read_struct,
   which every decode calls once, and at exit appends the count to $QYR_PNG_COUNT_FILE. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <png.h>
#include <stdio.h>
#include <stdlib.h>

static int decodes = 0;

png_structp png_create_read_struct (png_const_charp version, png_voidp errorPtr,
                                    png_error_ptr errorFn, png_error_ptr warnFn)
{
    typedef png_structp (*Create) (png_const_charp, png_voidp, png_error_ptr, png_error_ptr);
    static Create real = NULL;

    if (real == NULL)
        real = (Create) dlsym (RTLD_NEXT, "png_create_read_struct");

    ++decodes;
    return real (version, errorPtr, errorFn, warnFn);
}

__attribute__ ((destructor)) static void report (void)
{
    const char* path = getenv ("QYR_PNG_COUNT_FILE");
    FILE* out = path != NULL ? fopen (path, "a") : NULL;

    if (out != NULL)
    {
        fprintf (out, "%d\n", decodes);
        fclose (out);
    }
}
