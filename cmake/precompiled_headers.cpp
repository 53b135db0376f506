// The precompiled Qt header sets are built with this file; it holds no code of its own.
