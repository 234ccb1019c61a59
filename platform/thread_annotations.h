// Clang's thread-safety annotations; empty for other compilers.
#pragma once

#if defined(__clang__)
#define SPR_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define SPR_THREAD_ANNOTATION(x)
#endif

#define CAPABILITY(x) SPR_THREAD_ANNOTATION(capability(x))
#define SCOPED_CAPABILITY SPR_THREAD_ANNOTATION(scoped_lockable)
#define GUARDED_BY(x) SPR_THREAD_ANNOTATION(guarded_by(x))
#define PT_GUARDED_BY(x) SPR_THREAD_ANNOTATION(pt_guarded_by(x))
#define REQUIRES(...) SPR_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#define EXCLUDES(...) SPR_THREAD_ANNOTATION(locks_excluded(__VA_ARGS__))
#define RETURN_CAPABILITY(x) SPR_THREAD_ANNOTATION(lock_returned(x))
#define ACQUIRE(...) SPR_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define RELEASE(...) SPR_THREAD_ANNOTATION(release_capability(__VA_ARGS__))
#define NO_THREAD_SAFETY_ANALYSIS \
  SPR_THREAD_ANNOTATION(no_thread_safety_analysis)
