// The saves directory, for the page: mounted on the browser's storage
// (IndexedDB), read from it, stored into it, and its files listed, read and
// written for export and import. Built into the game's glue, so the page
// reaches it under these quoted names however the glue is minified.
Module['saves'] = {
  'mount': function (path) {
    FS.mkdir(path);
    FS.mount(IDBFS, {}, path);
  },
  // The storage's saves into the directory; done(error) when finished. Only
  // saves newer there than here are read, and none is removed here: a save
  // the game has written and not stored yet stays, whenever this runs.
  'load': function (path, done) {
    var mount = FS.lookupPath(path).node.mount;
    var failed = null;
    var finish = function (error) {
      failed = failed || error;
    };
    // Whether the stored entry is newer than the file here, if any.
    var newer = function (key, entry) {
      try {
        return entry['timestamp'].getTime() > FS.stat(key).mtime.getTime();
      } catch (error) {
        return true;
      }
    };
    IDBFS.getRemoteSet(mount, function (error, there) {
      if (error) return done(error);
      var keys = Object.keys(there.entries).filter(function (key) {
        return newer(key, there.entries[key]);
      });
      if (!keys.length) return done(null);
      var transaction = there.db.transaction([IDBFS.DB_STORE_NAME], 'readonly');
      var store = transaction.objectStore(IDBFS.DB_STORE_NAME);
      keys.forEach(function (key) {
        IDBFS.loadRemoteEntry(store, key, function (error, entry) {
          if (error) return finish(error);
          // Asked again as the file is written: the game may have saved it
          // since the list was read.
          if (entry && newer(key, entry)) IDBFS.storeLocalEntry(key, entry, finish);
        });
      });
      transaction.oncomplete = function () {
        done(failed);
      };
      transaction.onerror = function (event) {
        event.preventDefault();
        done(failed || transaction.error || 'the storage could not be read');
      };
    });
  },
  // The directory's saves into the storage; done(error) when finished. Only
  // saves newer here than there are stored, and none is removed there: the
  // knights another tab of the page saved in the meantime stay.
  'store': function (path, done) {
    var mount = FS.lookupPath(path).node.mount;
    IDBFS.getLocalSet(mount, function (error, here) {
      if (error) return done(error);
      IDBFS.getRemoteSet(mount, function (error, there) {
        if (error) return done(error);
        var newer = {};
        var older = {};
        Object.keys(here.entries).forEach(function (key) {
          var stored = there.entries[key];
          if (!stored || here.entries[key]['timestamp'].getTime() > stored['timestamp'].getTime()) {
            newer[key] = here.entries[key];
            if (stored) older[key] = stored;
          }
        });
        here.entries = newer;
        there.entries = older;
        IDBFS.reconcile(here, there, done);
      });
    });
  },
  'list': function (path) {
    return FS.readdir(path).filter(function (name) { return name !== '.' && name !== '..'; });
  },
  'read': function (path) {
    return FS.readFile(path);
  },
  'write': function (path, bytes) {
    FS.writeFile(path, bytes);
  },
  // The name the game gives the knight of a save file (the file's bytes, a
  // Uint8Array, and its name), by the game's own rule; '' when none, or
  // one no save can be kept under.
  'knightname': function (bytes, filename) {
    var name = new TextEncoder().encode(filename);
    var text = _malloc(bytes.length + 1);
    var file = _malloc(name.length + 1);
    HEAPU8.set(bytes, text);
    HEAPU8.set(name, file);
    HEAPU8[file + name.length] = 0;
    var kept = UTF8ToString(_knightname(text, bytes.length, file));
    _free(text);
    _free(file);
    return kept;
  },
};
