// The practice log in the site's storage: a database of its own,
// 'velmorandine-log', made only when the player turns the log on, so that
// with the log off nothing is written.  Its store 'switch' holds the record
// named as the desktop's file (its value the log's header line): the log is
// on while it is there.  Its store 'lines' holds one record per line, under
// a key the database counts up, so the log reads back in the order the
// lines were stored.
//
// Reading a record per line is slow (a long log takes IndexedDB most of a
// second), so a reading pass first folds the oldest lines, a full batch at a
// time, into one record of the store 'chunks', keyed as its last line was
// and removed from 'lines' in the same transaction: every chunk comes before
// every line, and a pass reads the chunks and then the lines, in key order.
//
// An append never makes a button wait: the program hands the line over and
// goes on; the line is stored in one transaction that also reads the switch,
// so a line is stored whole or not at all, and never after the log was
// turned off.  Two tabs need no lock of their own: the database runs
// read-write transactions over the same stores one at a time, for every tab
// of the site, in the order they were asked for.  A line the storage refuses
// is dropped, and the time of the first such line is kept for the Progress
// view, until a line is stored again.
const databaseName = 'velmorandine-log';
const switchStore = 'switch';
const linesStore = 'lines';
const chunksStore = 'chunks';
// Lines read in one go, and folded into one chunk: a long log is read in
// batches, never held whole.
const batchLines = 2000;
const chunksPerBatch = 4;
// A database that has not opened by then counts as refusing.
const openWaitMs = 2000;

function settle(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function finished(transaction) {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onerror = transaction.onabort = () => reject(transaction.error ?? new Error('aborted'));
  });
}

// The database, or null where it does not exist and `create` is false (the
// upgrade that would make it is aborted, which leaves no database behind).
function openDatabase(create) {
  let timer;
  const opened = new Promise((resolve, reject) => {
    const opening = indexedDB.open(databaseName);
    let declined = false;
    opening.onupgradeneeded = (event) => {
      if (!create && event.oldVersion === 0) {
        declined = true;
        opening.transaction.abort();
        return;
      }
      const db = opening.result;
      if (!db.objectStoreNames.contains(switchStore)) db.createObjectStore(switchStore);
      if (!db.objectStoreNames.contains(linesStore)) db.createObjectStore(linesStore, { autoIncrement: true });
      if (!db.objectStoreNames.contains(chunksStore)) db.createObjectStore(chunksStore);
    };
    opening.onsuccess = () => resolve(opening.result);
    opening.onerror = (event) => {
      event.preventDefault();
      if (declined) resolve(null);
      else reject(opening.error);
    };
    timer = setTimeout(() => reject(new Error('the log\'s database did not open in time')), openWaitMs);
  });
  // No timer is left behind once it has answered: a test's clock runs to
  // the page's next timer.
  return opened.finally(() => clearTimeout(timer));
}

// The records of `store` after the key `after`, at most `count`.
function recordsAfter(db, store, after, count) {
  const records = db.transaction(store, 'readonly').objectStore(store);
  const range = IDBKeyRange.lowerBound(after, true);
  return Promise.all([settle(records.getAll(range, count)), settle(records.getAllKeys(range, count))]);
}

// The lines after the key `after`, as {text, last, end}: chunks first.
async function readBatch(db, after) {
  const [chunks, chunkKeys] = await recordsAfter(db, chunksStore, after, chunksPerBatch);
  if (chunks.length) return { text: chunks.join(''), last: chunkKeys[chunkKeys.length - 1], end: false };
  const [values, keys] = await recordsAfter(db, linesStore, after, batchLines);
  return { text: values.join(''), last: keys.length ? keys[keys.length - 1] : after, end: values.length < batchLines };
}

// Folds the oldest full batches of lines into chunks, each in a transaction
// of its own, so that another tab's appends and reads go on between them.
async function foldLines(db) {
  for (let folded = true; folded;) {
    folded = false;
    const transaction = db.transaction([linesStore, chunksStore], 'readwrite');
    const lines = transaction.objectStore(linesStore);
    const values = lines.getAll(null, batchLines);
    const keys = lines.getAllKeys(null, batchLines);
    keys.onsuccess = () => {
      if (keys.result.length < batchLines) return;
      const last = keys.result[keys.result.length - 1];
      transaction.objectStore(chunksStore).put(values.result.join(''), last);
      lines.delete(IDBKeyRange.bound(keys.result[0], last));
      folded = true;
    };
    await finished(transaction);
  }
}

// `fileName` (the program's name for the log file) is the switch's key.
export function openPracticeLog(fileName) {
  let connection = null; // the open database
  let known = null; // 'on' or 'off' as this tab last saw it; null: not yet
  let failingSince = null;
  let queue = Promise.resolve(); // this tab's writes, in order
  let staged = [];
  const others = 'BroadcastChannel' in globalThis ? new BroadcastChannel(databaseName) : null;
  if (others) others.onmessage = (event) => { known = event.data; };
  const tell = (state) => {
    known = state;
    others?.postMessage(state);
  };

  async function database(create) {
    if (connection) return connection;
    // Where the browser lists its databases, one that is not there is not
    // opened at all: no upgrade to decline, no timer.
    if (!create && indexedDB.databases && !(await indexedDB.databases()).some((db) => db.name === databaseName)) return null;
    if (connection) return connection;
    const db = await openDatabase(create);
    if (!db) return null;
    db.onversionchange = () => {
      db.close();
      connection = null;
    };
    connection = db;
    return db;
  }

  // Runs `write` on a read-write transaction over both stores where the
  // switch is there; false where the log is off.
  async function whileOn(write) {
    const db = await database(false);
    if (!db) return false;
    const transaction = db.transaction([switchStore, linesStore], 'readwrite', { durability: 'relaxed' });
    let on = false;
    transaction.objectStore(switchStore).get(fileName).onsuccess = (event) => {
      on = event.target.result !== undefined;
      if (on) write(transaction.objectStore(linesStore));
    };
    await finished(transaction);
    known = on ? 'on' : 'off';
    return on;
  }

  const later = (job) => {
    const run = queue.then(job);
    queue = run.catch(() => {});
    return run;
  };

  async function state() {
    try {
      const db = await database(false);
      if (!db) return 'off';
      const value = await settle(db.transaction(switchStore, 'readonly').objectStore(switchStore).get(fileName));
      known = value === undefined ? 'off' : 'on';
      return known;
    } catch {
      return 'unreadable';
    }
  }

  // Until this tab has read the switch, a line is handed over and the
  // switch, read with it, decides.
  later(state);

  return {
    // Answered at once: only a log known to be off is skipped unasked.
    mayBeOn: () => known !== 'off',
    state: () => later(state),
    turnOn: (header) => later(async () => {
      try {
        const db = await database(true);
        const transaction = db.transaction(switchStore, 'readwrite');
        const store = transaction.objectStore(switchStore);
        store.get(fileName).onsuccess = (event) => { if (event.target.result === undefined) store.put(header, fileName); };
        await finished(transaction);
        failingSince = null;
        tell('on');
        return true;
      } catch {
        return false;
      }
    }),
    turnOff: () => later(async () => {
      try {
        const db = await database(false);
        if (db) {
          const transaction = db.transaction([switchStore, linesStore, chunksStore], 'readwrite');
          transaction.objectStore(switchStore).delete(fileName);
          transaction.objectStore(linesStore).clear();
          transaction.objectStore(chunksStore).clear();
          await finished(transaction);
        }
        failingSince = null;
        tell('off');
        return true;
      } catch {
        return false;
      }
    }),
    append(line, time) {
      if (known === 'off') return;
      later(() => whileOn((lines) => lines.add(line)).then(
        (on) => { if (on) failingSince = null; },
        () => { failingSince ??= time; },
      ));
    },
    stage(line) {
      staged.push(line);
    },
    appendStaged: () => later(async () => {
      const lines = staged;
      staged = [];
      try {
        return await whileOn((store) => lines.forEach((line) => store.add(line)));
      } catch {
        return false;
      }
    }),
    // Whole lines after the key `after`, as {text, last, end}; null where the
    // storage cannot be read.  Waits for this tab's appends, so a view opened
    // after a session shows it.
    read: (after) => later(async () => {
      try {
        const db = await database(false);
        if (!db) return { text: '', last: after, end: true };
        // A folding that fails costs only speed.
        if (after === 0) await foldLines(db).catch(() => {});
        return await readBatch(db, after);
      } catch {
        return null;
      }
    }),
    failingSince: () => failingSince,
    // The log as a file holds it (the header, then every line), in parts for
    // a Blob; null where it is off or cannot be read.
    exportParts: () => later(async () => {
      try {
        const db = await database(false);
        if (!db) return null;
        const header = await settle(db.transaction(switchStore, 'readonly').objectStore(switchStore).get(fileName));
        if (header === undefined) return null;
        const parts = [header];
        for (let batch = { last: 0, end: false }; !batch.end;) {
          batch = await readBatch(db, batch.last);
          parts.push(batch.text);
        }
        return parts;
      } catch {
        return null;
      }
    }),
  };
}
