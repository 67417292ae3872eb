#ifndef QZ_EXPORT_H
#define QZ_EXPORT_H

/* Symbols that a module makes visible to its host or driver. Everything else
   is compiled with hidden visibility. */
#if defined(__GNUC__) || defined(__clang__)
#define QZ_EXPORT __attribute__((visibility("default")))
#else
#define QZ_EXPORT
#endif

#ifdef __cplusplus
#define QZ_EXTERN_C extern "C"
#else
#define QZ_EXTERN_C
#endif

#endif
